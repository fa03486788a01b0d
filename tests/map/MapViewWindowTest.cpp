// The map view in the App: wheel zoom, dragging, the side panel's scroll
// mode and re-centring.
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/HelpTexts.h"
#include "support/AppFixture.h"
#include "support/Events.h"

namespace {

const sf::Vector2f kHome(450.f, 450.f);
const sf::Vector2f kHomeSize(1280.f, 960.f);

void expectNear(sf::Vector2f actual, sf::Vector2f expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-3) << "x";
    EXPECT_NEAR(actual.y, expected.y, 1e-3) << "y";
}

// The window's 640 x 480 times the zoom factor.
sf::Vector2f sizeAt(float zoom) { return sf::Vector2f(640.f * zoom, 480.f * zoom); }

}  // namespace

class MapViewWindow : public AppFixture {
protected:
    sf::Vector2f centre() const { return probe().views.mapView.getCenter(); }
    sf::Vector2f size() const { return probe().views.mapView.getSize(); }
    float zoom() const { return probe().views.zoom; }

    // A drag with the right button, which moves the map without clicking it.
    void rightDrag(sf::Vector2i from, sf::Vector2i to) {
        press(from, sf::Mouse::Right);
        moveMouse(to);
        release(to, sf::Mouse::Right);
    }

    void showRoute11To25() {
        shiftClick(spotPixel(11));
        shiftClick(spotPixel(25));
        ASSERT_TRUE(probe().panel.scrollMode);
    }
};

// ---- wheel zoom ----

TEST_F(MapViewWindow, TenStepsOutStayJustBelowThreeAndTheEleventhReachesIt) {
    startAsUser();
    scrollWheel(-1.f, 10);
    EXPECT_LT(zoom(), 3.f);
    EXPECT_GT(zoom(), 2.99f);
    EXPECT_EQ(size(), sizeAt(zoom()));

    scrollWheel(-1.f);
    EXPECT_EQ(zoom(), 3.f);
    EXPECT_EQ(size(), sizeAt(3.f));
    scrollWheel(-3.f, 4);
    EXPECT_EQ(zoom(), 3.f);
    EXPECT_EQ(size(), sf::Vector2f(1920.f, 1440.f));
}

TEST_F(MapViewWindow, TwentyFiveStepsInStopAtTheMinimum) {
    startAsUser();
    scrollWheel(1.f, 25);
    EXPECT_EQ(zoom(), 0.3f);
    EXPECT_EQ(size(), sizeAt(0.3f));
}

TEST_F(MapViewWindow, OneStepOutAndOneInDriftOffTheExactFactor) {
    startAsUser();
    scrollWheel(-1.f);
    EXPECT_EQ(zoom(), 2.f + 0.1f);
    scrollWheel(1.f);
    EXPECT_EQ(zoom(), (2.f + 0.1f) - 0.1f);
    EXPECT_EQ(size(), sizeAt(zoom()));
}

TEST_F(MapViewWindow, ZoomsAboutTheViewCentreNotTheCursor) {
    startAsUser();
    rightDrag({100, 200}, {160, 120});
    const sf::Vector2f panned = centre();
    ASSERT_NE(panned, kHome);

    send(wheel(-1.f, 10, 10));
    EXPECT_EQ(centre(), panned);
    EXPECT_EQ(size(), sizeAt(2.1f));
    send(wheel(1.f, 390, 470));
    send(wheel(1.f, 390, 470));
    EXPECT_EQ(centre(), panned);
    EXPECT_EQ(size(), sizeAt(zoom()));
    EXPECT_LT(zoom(), 2.f);
    // The window draws through the zoomed view.
    EXPECT_EQ(probe().window.getView().getSize(), size());
}

TEST_F(MapViewWindow, DeltasSmallerThanOneStepLeaveTheFactor) {
    startAsUser();
    for (float delta : {-0.5f, 0.f, 0.99f}) send(wheel(delta));
    EXPECT_EQ(zoom(), 2.f);
    EXPECT_EQ(size(), kHomeSize);
}

TEST_F(MapViewWindow, TheHorizontalWheelZoomsAsWell) {
    startAsUser();
    sf::Event event = wheel(-1.f);
    event.mouseWheelScroll.wheel = sf::Mouse::HorizontalWheel;
    send(event);
    EXPECT_EQ(zoom(), 2.1f);
}

TEST_F(MapViewWindow, WheelDoesNothingOnTheLoginScreenOrTheQrPage) {
    AppProbe a = startApp();
    scrollWheel(-1.f, 3);
    scrollWheel(1.f, 5);
    EXPECT_EQ(zoom(), 2.f);
    EXPECT_EQ(size(), kHomeSize);

    const sf::FloatRect forgot = a.login.forgotButton.getGlobalBounds();
    click(mapPixel({forgot.left + forgot.width / 2, forgot.top + forgot.height / 2}));
    ASSERT_EQ(a.frame.screen, kQrPage);
    scrollWheel(-1.f, 3);
    EXPECT_EQ(zoom(), 2.f);
    EXPECT_EQ(size(), kHomeSize);
}

TEST_F(MapViewWindow, WheelDoesNothingWhileAButtonIsHeld) {
    startAsUser();
    press({200, 200}, sf::Mouse::Middle);
    scrollWheel(-1.f);
    EXPECT_EQ(zoom(), 2.f);
    release({200, 200}, sf::Mouse::Middle);
    scrollWheel(-1.f);
    EXPECT_EQ(zoom(), 2.1f);
}

TEST_F(MapViewWindow, AfterAReportIsScrolledTheWheelZoomsOnceTheButtonIsReleased) {
    AppProbe a = startAsUser();
    showRoute11To25();
    press({500, 300});
    moveMouse({500, 200});
    ASSERT_TRUE(a.frame.pointer.panelDrag);
    scrollWheel(-1.f);  // the drag goes on
    EXPECT_EQ(zoom(), 2.f);

    release({500, 200});
    EXPECT_FALSE(a.frame.pointer.panelDrag);
    scrollWheel(-1.f);
    EXPECT_EQ(zoom(), 2.1f);
    EXPECT_EQ(size(), sizeAt(2.1f));
}

TEST_F(MapViewWindow, OverAShownReportTheWheelScrollsItAndOverTheMapItZooms) {
    AppProbe a = startAsUser();
    showRoute11To25();
    send({wheel(-1.f, 500, 300), wheel(-1.f, 500, 300), wheel(1.f, 500, 300)});  // towards the user: up
    EXPECT_EQ(a.panel.body.getPosition().y, 70.f - kWheelScrollStep);
    scrollWheel(-1.f);  // over the map
    EXPECT_EQ(zoom(), 2.1f) << "the map zooms only from the wheel over it";
    EXPECT_EQ(a.panel.body.getPosition().y, 70.f - kWheelScrollStep);
}

// ---- dragging ----

TEST_F(MapViewWindow, DraggingAHundredPixelsRightMovesTheCentreTwoHundredUnitsLeft) {
    startAsUser();
    press({100, 200});
    moveMouse({150, 200});
    moveMouse({200, 200});
    release({200, 200});
    expectNear(centre(), {250.f, 450.f});
    EXPECT_EQ(size(), kHomeSize);
    EXPECT_EQ(probe().window.getView().getCenter(), centre());
}

TEST_F(MapViewWindow, TheGrabbedPointStaysUnderTheCursorAtAnyZoom) {
    startAsUser();
    scrollWheel(-1.f, 6);
    const sf::Vector2f grabbed = mapPoint({60, 400});
    press({60, 400}, sf::Mouse::Right);
    moveMouse({120, 300});
    moveMouse({330, 90});
    release({330, 90}, sf::Mouse::Right);
    expectNear(mapPoint({330, 90}), grabbed);
}

TEST_F(MapViewWindow, MovingWithoutAHeldButtonDoesNotPan) {
    startAsUser();
    moveMouse({100, 100});
    moveMouse({300, 300});
    EXPECT_EQ(centre(), kHome);
    rightDrag({100, 100}, {140, 100});
    moveMouse({300, 300});
    expectNear(centre(), {370.f, 450.f});
}

TEST_F(MapViewWindow, ADragPausesOverTheSidePanelAndResumesAfterIt) {
    AppProbe a = startAsUser();
    press({300, 200}, sf::Mouse::Right);
    moveMouse({350, 200});
    expectNear(centre(), {350.f, 450.f});

    moveMouse({450, 200});
    moveMouse({600, 300});
    expectNear(centre(), {350.f, 450.f});
    EXPECT_TRUE(a.frame.pointer.panelDrag);

    // Back on the map the drag goes on from where it left the map.
    moveMouse({380, 230});
    expectNear(centre(), {290.f, 390.f});
    EXPECT_FALSE(a.frame.pointer.panelDrag);
    release({380, 230}, sf::Mouse::Right);
}

TEST_F(MapViewWindow, DraggingDoesNothingOnTheLoginScreen) {
    startApp();
    press({100, 100}, sf::Mouse::Right);
    moveMouse({300, 300});
    release({300, 300}, sf::Mouse::Right);
    EXPECT_EQ(centre(), kHome);
    EXPECT_FALSE(probe().frame.pointer.panelDrag);
}

// ---- panel scroll mode ----

TEST_F(MapViewWindow, InScrollModeTheReportFollowsTheCursorUpAndStopsAtItsHomeHeights) {
    AppProbe a = startAsUser();
    showRoute11To25();
    const sf::Vector2f mapCentre = centre();

    press({500, 300});  // interface y 375
    moveMouse({500, 200});  // 125 units up
    EXPECT_EQ(a.panel.title.getPosition(), sf::Vector2f(550.f, -120.f));
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, -55.f));
    moveMouse({520, 150});  // 62.5 further up; x plays no part
    EXPECT_EQ(a.panel.title.getPosition(), sf::Vector2f(550.f, -182.5f));
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, -117.5f));

    moveMouse({500, 400});  // far down: both stop at their home heights
    EXPECT_EQ(a.panel.title.getPosition(), sf::Vector2f(550.f, 5.f));
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, 70.f));
    moveMouse({500, 350});  // and go up again from the new anchor
    EXPECT_EQ(a.panel.title.getPosition(), sf::Vector2f(550.f, -57.5f));
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, 7.5f));

    // Over the map the scroll mode keeps the map still.
    moveMouse({100, 100});
    EXPECT_EQ(centre(), mapCentre);
    EXPECT_FALSE(a.frame.pointer.panelDrag);
    release({100, 100});
    rightDrag({100, 100}, {300, 300});
    EXPECT_EQ(centre(), mapCentre);
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, 7.5f));
}

TEST_F(MapViewWindow, TheReportScrollsUpUntilItsLastLineReachesThePanelTop) {
    AppProbe a = startAsUser();
    showRoute11To25();
    const sf::Text& body = a.panel.body;
    const std::wstring text = body.getString().toWideString();
    const float lastLineAtTop = -body.getFont()->getLineSpacing(body.getCharacterSize()) *
                                static_cast<float>(std::count(text.begin(), text.end(), L'\n'));
    for (int i = 0; i < 8; ++i) rightDrag({500, 470}, {500, 0});  // 8 × 587.5 units, far more than the report
    EXPECT_NEAR(body.getPosition().y, lastLineAtTop, 1e-3);
    EXPECT_NEAR(a.panel.title.getPosition().y, lastLineAtTop - 65.f, 1e-3);  // the two move together

    rightDrag({500, 100}, {500, 120});  // it comes down again at once
    EXPECT_NEAR(body.getPosition().y, lastLineAtTop + 25.f, 1e-3);
}

TEST_F(MapViewWindow, AClickOnTheMapEndsScrollModeAndPutsThePanelTextsBack) {
    AppProbe a = startAsUser();
    showRoute11To25();
    press({500, 300});
    moveMouse({500, 100});
    release({500, 100});
    ASSERT_LT(a.panel.body.getPosition().y, 70.f);

    click(kEmptyMapPixel);
    EXPECT_FALSE(a.panel.scrollMode);
    EXPECT_EQ(a.panel.title.getPosition(), sf::Vector2f(550.f, 5.f));
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, 70.f));

    // Dragging now pans the map and leaves the panel texts alone.
    rightDrag({200, 200}, {250, 200});
    expectNear(centre(), {350.f, 450.f});
    press({500, 300}, sf::Mouse::Right);
    moveMouse({500, 100});
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, 70.f));
}

TEST_F(MapViewWindow, WithoutScrollModeADragOverThePanelMovesNeitherTextsNorMap) {
    AppProbe a = startAsUser();
    press({500, 300}, sf::Mouse::Right);
    moveMouse({500, 100});
    moveMouse({450, 50});
    EXPECT_EQ(a.panel.title.getPosition(), sf::Vector2f(550.f, 5.f));
    EXPECT_EQ(a.panel.body.getPosition(), sf::Vector2f(510.f, 70.f));
    EXPECT_EQ(centre(), kHome);
}

// ---- re-centring ----

TEST_F(MapViewWindow, HRestoresTheHomePositionAfterPanningAndZooming) {
    AppProbe a = startAsUser();
    rightDrag({100, 100}, {300, 250});
    scrollWheel(1.f, 7);
    ASSERT_NE(centre(), kHome);

    send(keyPress(sf::Keyboard::H));
    EXPECT_EQ(centre(), kHome);
    EXPECT_EQ(size(), kHomeSize);
    EXPECT_EQ(zoom(), 2.f);
    EXPECT_EQ(a.window.getView().getCenter(), kHome);
    EXPECT_EQ(a.window.getView().getSize(), kHomeSize);

    // Zooming goes on from the restored factor.
    scrollWheel(-1.f);
    EXPECT_EQ(zoom(), 2.1f);
}

TEST_F(MapViewWindow, OtherKeysDoNotRecentre) {
    startAsUser();
    rightDrag({100, 100}, {300, 250});
    const sf::Vector2f panned = centre();
    send(keyPress(sf::Keyboard::G));
    send(keyPress(sf::Keyboard::J));
    EXPECT_EQ(centre(), panned);
}

TEST_F(MapViewWindow, HRecentresOnTheLoginScreenWhileTheUserNameIsTypedAndTheLetterStillGoesIn) {
    AppProbe a = startApp();
    click(mapPixel(a.login.userName.box.getPosition()));
    ASSERT_TRUE(a.login.userName.focused);
    // The login screen offers no way to move the view; move it directly.
    a.views.zoom = 1.f;
    a.views.mapView.setCenter(0.f, 0.f);
    a.views.mapView.setSize(640.f, 480.f);

    send({keyPress(sf::Keyboard::H), textEntered('h')});
    EXPECT_EQ(a.login.userName.typedText(), L"h");
    EXPECT_EQ(centre(), kHome);
    EXPECT_EQ(size(), kHomeSize);
    EXPECT_EQ(zoom(), 2.f);
}

TEST_F(MapViewWindow, LogoutRecentresTheMap) {
    AppProbe a = startAsUser();
    rightDrag({100, 100}, {300, 250});
    scrollWheel(-1.f, 4);
    ASSERT_NE(centre(), kHome);

    click(buttonPixel(a.backButton));
    ASSERT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_EQ(centre(), kHome);
    EXPECT_EQ(size(), kHomeSize);
    EXPECT_EQ(zoom(), 2.f);
    EXPECT_EQ(a.window.getView().getCenter(), kHome);
    EXPECT_EQ(a.backButton.getString(), L"返回");
    EXPECT_EQ(a.panel.body.getString(), kHelpText);

    // The next login starts from the home position as well.
    logIn(L"游客", L"123456");
    ASSERT_EQ(a.frame.screen, kUserScreen);
    EXPECT_EQ(centre(), kHome);
}
