// Buttons: their two styles, the hover look and the hit test, alone and in
// the screens of the App.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "widgets/TextButton.h"
#include "support/AppFixture.h"
#include "support/Events.h"

namespace {

sf::Vector2f centreOf(const sf::FloatRect& r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

void expectResting(const TextButton& button) {
    EXPECT_EQ(button.getFillColor(), sf::Color::Yellow);
    EXPECT_EQ(button.getScale(), sf::Vector2f(1.f, 1.f));
    EXPECT_EQ(button.getOutlineColor(), sf::Color::Blue);
    EXPECT_EQ(button.getOutlineThickness(), 5.f);
}

void expectHovered(const TextButton& button) {
    EXPECT_EQ(button.getFillColor(), sf::Color::Green);
    EXPECT_EQ(button.getScale(), sf::Vector2f(1.1f, 1.1f));
    EXPECT_EQ(button.getOutlineColor(), sf::Color::Blue);
    EXPECT_EQ(button.getOutlineThickness(), 5.f);
}

}  // namespace

class TextButtonWindow : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startApp();
    }
    const sf::Font& font() const { return probe().assets.font; }
    TextButton sampleButton() const {
        TextButton button = makeLargeButton(font(), L"确定");
        button.setPosition(200.f, 200.f);
        return button;
    }
    // A window pixel whose interface point lies in the button's bounds at
    // scale 1.1 but not at scale 1.
    sf::Vector2i pixelOnlyInEnlarged(const TextButton& button) const {
        TextButton normal(button), enlarged(button);
        normal.setScale(1.f, 1.f);
        enlarged.setScale(1.1f, 1.1f);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const sf::Vector2f p = probe().window.mapPixelToCoords({x, y}, probe().views.interfaceView);
                if (enlarged.getGlobalBounds().contains(p) && !normal.getGlobalBounds().contains(p)) return {x, y};
            }
        ADD_FAILURE() << "no pixel in the enlarged area only";
        return {-1, -1};
    }
    std::vector<TextButton*> loginButtons() {
        LoginScreen& s = probe().login;
        return {&s.registerButton, &s.quitButton, &s.loginButton, &s.forgotButton, &s.vipButton};
    }
    void openQrPage() {
        click(mapPixel(centreOf(probe().login.forgotButton.getGlobalBounds())));
        ASSERT_EQ(probe().frame.screen, kQrPage);
    }
};

TEST_F(TextButtonWindow, TheTwoStylesAndCopies) {
    const TextButton large = makeLargeButton(font(), L"登录系统");
    EXPECT_EQ(large.getCharacterSize(), 50u);
    EXPECT_EQ(large.getOrigin(), sf::Vector2f(50.f, 50.f));
    expectResting(large);
    const TextButton tool = makeToolButton(font(), L"绘制模式");
    EXPECT_EQ(tool.getCharacterSize(), 40u);
    EXPECT_EQ(tool.getOrigin(), sf::Vector2f(65.f, 30.f));
    expectResting(tool);

    const TextButton copy = copyButton(tool, L"用户数据", {555.f, 200.f});
    EXPECT_EQ(copy.getString(), L"用户数据");
    EXPECT_EQ(copy.getPosition(), sf::Vector2f(555.f, 200.f));
    EXPECT_EQ(copy.getCharacterSize(), 40u);
    EXPECT_EQ(copy.getOrigin(), sf::Vector2f(65.f, 30.f));
    expectResting(copy);
    EXPECT_EQ(tool.getString(), L"绘制模式");

    const TextButton& back = probe().backButton;
    EXPECT_EQ(back.getCharacterSize(), 30u);
    EXPECT_EQ(back.getPosition(), sf::Vector2f(75.f, 600.f));
    EXPECT_EQ(back.getOrigin(), sf::Vector2f(50.f, 50.f));
    EXPECT_EQ(back.getString(), L"返回");
    expectResting(back);
}

TEST_F(TextButtonWindow, TheLeftAndTopEdgesAreOverTheButtonTheRightAndBottomEdgesAreNot) {
    const sf::FloatRect b = sampleButton().getGlobalBounds();
    ASSERT_GT(b.width, 0.f);
    ASSERT_GT(b.height, 0.f);
    const float right = b.left + b.width;
    const float bottom = b.top + b.height;
    const sf::Vector2f middle = centreOf(b);
    const float inf = std::numeric_limits<float>::infinity();

    struct Case {
        const char* where;
        sf::Vector2f point;
        bool over;
    };
    const Case cases[] = {
        {"left edge", {b.left, middle.y}, true},
        {"top edge", {middle.x, b.top}, true},
        {"top-left corner", {b.left, b.top}, true},
        {"just inside the right edge", {std::nextafter(right, -inf), middle.y}, true},
        {"just inside the bottom edge", {middle.x, std::nextafter(bottom, -inf)}, true},
        {"right edge", {right, middle.y}, false},
        {"bottom edge", {middle.x, bottom}, false},
        {"just left of the left edge", {std::nextafter(b.left, -inf), middle.y}, false},
        {"just above the top edge", {middle.x, std::nextafter(b.top, -inf)}, false},
    };
    for (const Case& c : cases) {
        TextButton button = sampleButton();
        EXPECT_EQ(applyHover(button, c.point), c.over) << c.where;
        EXPECT_EQ(buttonHit(sampleButton(), c.point), c.over) << c.where;
        if (c.over) expectHovered(button);
        else expectResting(button);
    }
}

TEST_F(TextButtonWindow, OverIsGreenAndLargerElsewhereYellowAtNormalSize) {
    TextButton button = sampleButton();
    const sf::Vector2f middle = centreOf(button.getGlobalBounds());
    EXPECT_TRUE(applyHover(button, middle));
    expectHovered(button);
    EXPECT_TRUE(applyHover(button, middle));
    expectHovered(button);
    EXPECT_FALSE(applyHover(button, {0.f, 0.f}));
    expectResting(button);
    EXPECT_EQ(button.getPosition(), sf::Vector2f(200.f, 200.f));
    EXPECT_EQ(button.getString(), L"确定");
}

TEST_F(TextButtonWindow, AHoveredButtonIsHitAtItsEnlargedSize) {
    TextButton button = sampleButton();
    const sf::FloatRect normal = button.getGlobalBounds();
    ASSERT_TRUE(applyHover(button, centreOf(normal)));
    const sf::FloatRect enlarged = button.getGlobalBounds();
    EXPECT_GT(enlarged.width, normal.width);
    EXPECT_GT(enlarged.height, normal.height);

    const sf::Vector2f outer((normal.left + normal.width + enlarged.left + enlarged.width) / 2, centreOf(normal).y);
    ASSERT_FALSE(normal.contains(outer));
    ASSERT_TRUE(enlarged.contains(outer));
    EXPECT_TRUE(buttonHit(button, outer));
    // Moving there keeps it hovered, since the enlarged area counts.
    EXPECT_TRUE(applyHover(button, outer));

    applyHover(button, {0.f, 0.f});
    EXPECT_FALSE(buttonHit(button, outer));
}

TEST_F(TextButtonWindow, AnEmptyButtonCanNeverBeHoveredOrClicked) {
    TextButton empty = makeLargeButton(font(), L"");
    empty.setPosition(200.f, 200.f);
    const sf::FloatRect b = empty.getGlobalBounds();
    EXPECT_EQ(b.width, 0.f);
    EXPECT_EQ(b.height, 0.f);
    for (sf::Vector2f p : {sf::Vector2f(b.left, b.top), sf::Vector2f(200.f, 200.f), sf::Vector2f(150.f, 150.f),
                           sf::Vector2f(175.f, 175.f)}) {
        EXPECT_FALSE(applyHover(empty, p));
        EXPECT_FALSE(buttonHit(empty, p));
        expectResting(empty);
    }

    // Emptied while hovered, it goes back to rest and stays there.
    TextButton button = sampleButton();
    const sf::Vector2f middle = centreOf(button.getGlobalBounds());
    ASSERT_TRUE(applyHover(button, middle));
    button.setString(L"");
    EXPECT_FALSE(applyHover(button, middle));
    EXPECT_FALSE(buttonHit(button, middle));
    expectResting(button);
}

TEST_F(TextButtonWindow, OnTheLoginScreenEachOfTheFiveButtonsLightsUpThroughTheMapView) {
    const std::vector<TextButton*> buttons = loginButtons();
    for (std::size_t over = 0; over < buttons.size(); ++over) {
        moveMouse(mapPixel(centreOf(buttons[over]->getGlobalBounds())));
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            SCOPED_TRACE("button " + std::to_string(i) + ", pointer over button " + std::to_string(over));
            if (i == over) expectHovered(*buttons[i]);
            else expectResting(*buttons[i]);
        }
    }
    moveMouse(kEmptyMapPixel);
    for (TextButton* button : loginButtons()) expectResting(*button);
}

TEST_F(TextButtonWindow, TheLoginScreenLeavesTheBackButtonAlone) {
    moveMouse(buttonPixel(probe().backButton));
    expectResting(probe().backButton);
}

TEST_F(TextButtonWindow, AButtonKeepsItsHoverLookAfterAClickUntilTheMouseMoves) {
    TextButton& loginButton = probe().login.loginButton;
    const sf::Vector2i over = mapPixel(centreOf(loginButton.getGlobalBounds()));
    moveMouse(over);
    click(over);
    expectHovered(loginButton);
    moveMouse(kEmptyMapPixel);
    expectResting(loginButton);
}

TEST_F(TextButtonWindow, TheQrPageBackButtonLightsUpThroughTheInterfaceView) {
    openQrPage();
    moveMouse(buttonPixel(probe().backButton));
    expectHovered(probe().backButton);
    // The map view is current again after the hover.
    EXPECT_EQ(probe().window.getView().getCenter(), probe().views.mapView.getCenter());
    EXPECT_EQ(probe().window.getView().getSize(), probe().views.mapView.getSize());
    moveMouse({320, 100});
    expectResting(probe().backButton);
}

TEST_F(TextButtonWindow, TheQrPageBackButtonIsClickedAtItsEnlargedSizeWhileHovered) {
    openQrPage();
    const sf::Vector2i outer = pixelOnlyInEnlarged(probe().backButton);

    click(outer);
    EXPECT_EQ(probe().frame.screen, kQrPage);
    EXPECT_EQ(probe().backButton.getString(), L"返回");

    moveMouse(buttonPixel(probe().backButton));
    click(outer);
    EXPECT_EQ(probe().frame.screen, kLoginScreen);
}

TEST_F(TextButtonWindow, TheUserScreenBackButtonLightsUpThroughTheInterfaceView) {
    logIn(L"游客", L"123456");
    ASSERT_EQ(probe().frame.screen, kUserScreen);
    moveMouse(buttonPixel(probe().backButton));
    expectHovered(probe().backButton);
    EXPECT_EQ(probe().window.getView().getCenter(), probe().views.mapView.getCenter());
    moveMouse(kEmptyMapPixel);
    expectResting(probe().backButton);
}
