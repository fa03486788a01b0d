// The quiet loop in a real window: from rest, the one pass after a change
// shows it (what the X server shows is what the App's state draws).
#include <SFML/System/Sleep.hpp>
#include <cstdlib>
#include <cstring>
#include <string>
#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/Program.h"
#include "support/ShownWindow.h"

class QuietLoopWindow : public AppFixture {
protected:
    void runUntilRest() {
        for (int pass = 0, before = -1; before != probe().pacing.framesShown; ++pass) {
            ASSERT_LT(pass, 10) << "the loop never comes to rest";
            before = probe().pacing.framesShown;
            app->runFrame();
        }
    }

    // One pass of the loop; then whether the window shows the current state.
    bool onePassShowsIt() {
        app->runFrame();
        const sf::Image shown = shownImage(probe().window), drawn = frame();
        return shown.getSize() == drawn.getSize() &&
               std::memcmp(shown.getPixelsPtr(), drawn.getPixelsPtr(), shown.getSize().x * shown.getSize().y * 4) == 0;
    }
};

TEST_F(QuietLoopWindow, TheCaretBlinksAtRestWithTheClocksWholeSeconds) {
    AppProbe a = startApp();
    click(mapPixel(a.login.userName.box.getPosition()));
    typeText(L"ab");
    for (int second : {1, 2, 3}) {
        runUntilRest();
        seconds = second;
        EXPECT_TRUE(onePassShowsIt()) << second;
        EXPECT_EQ(a.login.userName.text.getString(), second % 2 ? L"ab" : L"ab|");
    }
}

TEST_F(QuietLoopWindow, AClickAtRestIsAnsweredInTheNextFrame) {
    AppProbe a = startAsUser();
    runUntilRest();
    const sf::Vector2i at = a.window.getPosition() + spotPixel(1);
    const std::string click = "xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " click 1";
    ASSERT_EQ(std::system(click.c_str()), 0);
    sf::sleep(sf::milliseconds(20));  // the server hands the events on
    EXPECT_TRUE(onePassShowsIt());
    EXPECT_TRUE(spotOutlined(shownImage(a.window), spotPixel(1)));
}

TEST_F(QuietLoopWindow, EveryStepOfADragIsShownInTheFrameAfterIt) {
    startAsUser();
    runUntilRest();
    press(kEmptyMapPixel);
    const sf::Vector2f held = mapPoint(kEmptyMapPixel);
    for (int step = 1; step <= 5; ++step) {
        const sf::Vector2i cursor = kEmptyMapPixel + sf::Vector2i(4 * step, 2 * step);
        moveMouse(cursor);
        EXPECT_TRUE(onePassShowsIt()) << step;
        EXPECT_LT(std::abs(mapPoint(cursor).x - held.x) + std::abs(mapPoint(cursor).y - held.y), 0.02f) << step;
    }
}

TEST_F(QuietLoopWindow, AnAnimatedRouteIsShownGrowingOneRoadEachPauseThenItsReport) {
    const std::vector<int> route{3, 25, 31, 6, 7, 8};  // 东湖支行 (11) to 小面馆 (25)
    AppProbe a = startAsUser();
    runUntilRest();
    std::vector<int> roadsShown;
    onSleep = [&](int) {
        const sf::Image shown = shownImage(a.window);
        int outlined = 0;
        for (int n : route)
            outlined += roadOutlined(shown, spotPixel(a.map.roads[n].startSpot), spotPixel(a.map.roads[n].endSpot));
        roadsShown.push_back(outlined);
    };
    shiftClick(spotPixel(11));
    shiftClick(spotPixel(25));
    EXPECT_EQ(sleeps, std::vector<int>(route.size(), 300));
    EXPECT_EQ(roadsShown, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    onSleep = nullptr;
    EXPECT_TRUE(onePassShowsIt()) << "the report";
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
}
