// The settings page in the App's real window: what it draws and in which
// order, the criterion in the next route and rebuild, the knob's drag, the
// hover looks, full screen where it is not offered, and what survives logout.
#include <gtest/gtest.h>

#include "settings/HelpTexts.h"
#include "support/AppFixture.h"
#include "support/Events.h"

namespace {

struct Sample {
    const char* what;
    sf::Vector2f at;  // interface units
    sf::Color colour;
};

class SettingsPageWindow : public AppFixture {
protected:
    SettingsPage& page() { return probe().settings; }
    void clickRect(const ToggleButton& button) {
        const sf::FloatRect r = button.rect.getGlobalBounds();
        click(interfacePixel({r.left + r.width / 2, r.top + r.height / 2}));
    }
    void openPage() {
        clickRect(probe().toolButtons.settings);
        ASSERT_TRUE(isOpen(probe().tools, ToolPanel::Settings));
    }
    static sf::Color at(const sf::Image& shot, sf::Vector2i pixel) {
        return shot.getPixel(static_cast<unsigned>(pixel.x), static_cast<unsigned>(pixel.y));
    }
    sf::Color colourAt(const sf::Image& shot, sf::Vector2f interfacePoint) {
        return at(shot, interfacePixel(interfacePoint));
    }
    void expectSamples(const sf::Image& shot, const std::vector<Sample>& samples) {
        for (const Sample& s : samples) EXPECT_EQ(colourAt(shot, s.at), s.colour) << s.what;
    }
    // A point inside a switch's rectangle, clear of its label.
    static sf::Vector2f insideRect(const ToggleButton& button) {
        return button.rect.getPosition() + sf::Vector2f(6.f, 6.f);
    }
    int selectedCriterion() const {
        for (int i = 0; i < kCriterionCount; ++i)
            if (probe().criterion.flags[i]) return i;
        return -1;
    }
    void dragKnobTo(float interfaceX) { moveMouse(interfacePixel({interfaceX, 300.f})); }
};

const sf::Color kPanelColour(70, 120, 210);

TEST_F(SettingsPageWindow, ThePageReplacesTheMapWithEveryPartInItsColourAndItsOrder) {
    AppProbe a = startAsUser();
    openPage();
    const sf::Image shot = frame();
    expectSamples(shot, {
        {"background", {260.f, 20.f}, sf::Color::Cyan},
        {"画面全屏 off", insideRect(page().fullScreen), sf::Color::Red},
        {"寻路动画 on", insideRect(page().animation), sf::Color::Green},
        {"暂停", insideRect(page().pause), sf::Color::Red},
        {"播放 playing", insideRect(page().play), sf::Color::Green},
        {"停止", insideRect(page().stop), sf::Color::Red},
        {"bar", {100.f, 145.f}, sf::Color::White},
        {"number box", {270.f, 128.f}, sf::Color::Green},
        {"side panel", {790.f, 420.f}, kPanelColour},
        // Where parts overlap, the later one in the drawing order shows.
        {"the knob, at 210, over the bar", {205.f, 145.f}, sf::Color::Green},
        {"the left cap over the bar", {33.f, 145.f}, sf::Color::Green},
        {"the number box's outline over the knob's", {221.9f, 145.f}, sf::Color::Blue},
        {"花费预算's outline over 距离远近", {300.f, 162.f}, sf::Color::Blue},
        {"路径最少's outline over 普通优先", {300.f, 512.f}, sf::Color::Blue},
    });
    for (int i = 0; i < kCriterionCount; ++i)
        EXPECT_EQ(colourAt(shot, insideRect(page().criteria[i])), i == 0 ? sf::Color::Green : sf::Color::Red)
            << "criterion " << i;
    EXPECT_EQ(at(shot, spotPixel(7)), sf::Color::Cyan) << "no spot is drawn";
    EXPECT_EQ(page().number.getString(), L"100");
    EXPECT_EQ(a.panel.body.getString(), kHelpText);
}

TEST_F(SettingsPageWindow, EachCriterionPressedTurnsGreenAloneAndNamesTheNextReport) {
    AppProbe a = startAsUser();
    const wchar_t* const tags[kCriterionCount] = {L"(距离优先)", L"(花费优先)", L"(速度优先)", L"(评价优先)",
                                                  L"(高速优先)", L"(普通优先)", L"(路径最少)"};
    for (int pressed : {3, 6, 1, 0, 4, 2, 5}) {
        openPage();
        clickRect(page().criteria[pressed]);
        EXPECT_EQ(selectedCriterion(), pressed);
        const sf::Image shot = frame();
        for (int i = 0; i < kCriterionCount; ++i)
            EXPECT_EQ(colourAt(shot, insideRect(page().criteria[i])), i == pressed ? sf::Color::Green : sf::Color::Red)
                << "pressed " << pressed << ", criterion " << i;
        clickRect(a.toolButtons.settings);  // back to the map
        shiftClick(spotPixel(11));
        shiftClick(spotPixel(25));
        EXPECT_NE(a.panel.body.getString().find(tags[pressed]), sf::String::InvalidPos) << "pressed " << pressed;
        click(kEmptyMapPixel);
    }
}

TEST_F(SettingsPageWindow, EveryLaterMapRebuildWeighsUnderTheChosenCriterion) {
    AppProbe a = startAsAdmin();
    openPage();
    clickRect(page().criteria[criterionIndex(Criterion::FewestRoads)]);
    clickRect(a.toolButtons.drawing);
    clickRect(a.editor.drawing.placeSpot);
    click(interfacePixel({100.f, 60.f}));  // an empty corner of the map
    ASSERT_EQ(a.map.spotCount, 26) << "the spot is placed and the map rebuilt";
    for (int r = 1; r <= a.map.roadCount; ++r) {
        const Road& road = a.map.roads[r];
        EXPECT_EQ(a.graph.cells[road.endSpot][road.startSpot].weight, 100) << "road " << r;
    }
}

TEST_F(SettingsPageWindow, TheKnobIsDraggedBlueAcrossAndBeyondThePageUntilAnyRelease) {
    AppProbe a = startAsUser();
    openPage();
    press(interfacePixel({205.f, 145.f}));
    EXPECT_EQ(colourAt(frame(), {205.f, 145.f}), sf::Color::Blue);
    dragKnobTo(100.f);
    EXPECT_EQ(page().number.getString(), L"24");
    EXPECT_FLOAT_EQ(a.assets.background.music.getVolume(), 24.137931f);
    moveMouse(interfacePixel({760.f, 580.f}));  // over the side panel
    EXPECT_EQ(page().number.getString(), L"100");
    dragKnobTo(-20.f);
    EXPECT_EQ(page().number.getString(), L"0");
    EXPECT_EQ(page().knob.getPosition().x, 65.f);
    dragKnobTo(100.f);
    release(interfacePixel({100.f, 300.f}), sf::Mouse::Right);
    dragKnobTo(180.f);
    EXPECT_EQ(page().number.getString(), L"24");
    // The knob's centre is 5 units left of its position.
    const sf::Image shot = frame();
    EXPECT_EQ(colourAt(shot, {95.f, 145.f}), sf::Color::Green);
    EXPECT_EQ(colourAt(shot, {205.f, 145.f}), sf::Color::White) << "the bar where the knob was";
}

struct HoverCase {
    bool admin;
    bool qrPage;
    bool hovered;
};

class SettingsPageHover : public SettingsPageWindow, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(SettingsPageHover, TheLabelsLightUpOnTheMapScreensOnly) {
    const HoverCase c = GetParam();
    AppProbe a = c.admin ? startAsAdmin() : startAsUser();
    if (c.qrPage) {
        click(buttonPixel(a.backButton));
        const sf::FloatRect forgot = a.login.forgotButton.getGlobalBounds();
        click(mapPixel({forgot.left + forgot.width / 2, forgot.top + forgot.height / 2}));
        ASSERT_EQ(a.frame.screen, kQrPage);
    }
    std::vector<TextButton*> labels{&page().animation.label, &page().fullScreen.label, &page().pause.label,
                                    &page().play.label, &page().stop.label};
    for (ToggleButton& button : page().criteria) labels.push_back(&button.label);
    for (TextButton* label : labels) {
        moveMouse(buttonPixel(*label));
        EXPECT_EQ(label->getFillColor(), c.hovered ? sf::Color::Green : sf::Color::Yellow)
            << label->getString().toAnsiString();
        EXPECT_EQ(label->getScale().x, c.hovered ? 1.1f : 1.f);
    }
    moveMouse(buttonPixel(a.backButton));
    EXPECT_EQ(a.backButton.getFillColor(), sf::Color::Green);
    EXPECT_EQ(page().play.label.getFillColor(), sf::Color::Yellow);
}

INSTANTIATE_TEST_SUITE_P(Screens, SettingsPageHover,
                         ::testing::Values(HoverCase{false, false, true}, HoverCase{true, false, true},
                                           HoverCase{false, true, false}));

TEST_F(SettingsPageWindow, LogoutClosesThePageAndKeepsEverySetting) {
    AppProbe a = startAsUser();
    openPage();
    clickRect(page().criteria[criterionIndex(Criterion::FewestRoads)]);
    clickRect(page().animation);
    clickRect(page().pause);
    press(interfacePixel({205.f, 145.f}));
    dragKnobTo(100.f);
    release(interfacePixel({100.f, 300.f}));
    click(buttonPixel(a.backButton));
    ASSERT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_FALSE(isOpen(a.tools, ToolPanel::Settings));

    logIn(L"云栖客", L"5820413");
    ASSERT_EQ(a.frame.screen, kAdminScreen);
    EXPECT_EQ(a.tools.open, ToolPanel::None);
    openPage();
    EXPECT_EQ(selectedCriterion(), criterionIndex(Criterion::FewestRoads));
    EXPECT_FALSE(a.routeAnimation);
    EXPECT_EQ(a.assets.background.transport, Transport::Paused);
    EXPECT_EQ(a.assets.background.music.getStatus(), sf::SoundSource::Paused);
    EXPECT_EQ(page().number.getString(), L"24");
    EXPECT_FLOAT_EQ(a.assets.background.music.getVolume(), 24.137931f);
    EXPECT_EQ(page().knob.getPosition().x, 100.f);
    expectSamples(frame(), {{"寻路动画 off", insideRect(page().animation), sf::Color::Red},
                            {"暂停", insideRect(page().pause), sf::Color::Green},
                            {"播放", insideRect(page().play), sf::Color::Red}});
}

// The test's X server is 1024 x 768: it offers no 640 x 480 full screen, so
// full screen takes the screen's own mode and the page stretches onto it.
TEST_F(SettingsPageWindow, FullScreenWhere640By480IsNotOfferedFillsTheScreen) {
    AppProbe a = startAsUser();
    ASSERT_FALSE(sf::VideoMode(640, 480, 32).isValid());
    openPage();
    clickRect(page().fullScreen);
    EXPECT_EQ(a.window.getSize(), sf::Vector2u(1024, 768));
    EXPECT_EQ(colourAt(frame(), insideRect(page().fullScreen)), sf::Color::Green);

    clickRect(page().fullScreen);
    EXPECT_EQ(a.window.getSize(), sf::Vector2u(640, 480));
    EXPECT_EQ(colourAt(frame(), insideRect(page().fullScreen)), sf::Color::Red);
}

// 画面全屏 on, H, 画面全屏 off: the map has the centre and zoom it had before
// the switch, for the window it has now, so the pointer finds the spots
// where they are drawn.
TEST_F(SettingsPageWindow, SwitchingFullScreenKeepsTheMapsCentreAndZoom) {
    AppProbe a = startAsUser();
    send(wheel(-1.f));
    openPage();
    clickRect(page().fullScreen);
    ASSERT_EQ(a.window.getSize(), sf::Vector2u(1024, 768));
    EXPECT_EQ(a.views.mapView.getCenter(), sf::Vector2f(450.f, 450.f));
    EXPECT_EQ(a.views.mapView.getSize(), sf::Vector2f(1024.f, 768.f) * (2.f + 0.1f));

    send(keyPress(sf::Keyboard::H));
    clickRect(page().fullScreen);
    ASSERT_EQ(a.window.getSize(), sf::Vector2u(640, 480));
    EXPECT_EQ(a.window.getView().getSize(), sf::Vector2f(1280.f, 960.f));
    // At the home position pixel (0, 0) shows map point (-190, -30).
    EXPECT_NEAR(mapPoint({0, 0}).x, -190.f, 1e-3);
    EXPECT_NEAR(mapPoint({0, 0}).y, -30.f, 1e-3);
}

}  // namespace
