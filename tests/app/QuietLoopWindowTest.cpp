// The quiet loop in a real window: at rest it shows no new frame, yet what
// the window shows (read back from the X server, as the user sees it)
// follows the caret's blink, a click, a drag and the route animation.
#include <SFML/System/Sleep.hpp>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/Program.h"
#include "support/ShownWindow.h"

namespace {

bool sameColours(const sf::Image& a, const sf::Image& b) {
    if (a.getSize() != b.getSize()) return false;
    for (unsigned y = 0; y < a.getSize().y; ++y)
        for (unsigned x = 0; x < a.getSize().x; ++x)
            if (!nearColour(a.getPixel(x, y), b.getPixel(x, y))) return false;
    return true;
}

int blackPixels(const sf::Image& shot) { return countPixels(shot, sf::IntRect(0, 0, 640, 480), sf::Color::Black); }

}  // namespace

class QuietLoopWindow : public AppFixture {
protected:
    // Passes of the loop until one shows no new frame.
    void runUntilRest() {
        for (int pass = 0; pass < 10; ++pass) {
            const int before = probe().pacing.framesShown;
            app->runFrame();
            if (probe().pacing.framesShown == before) return;
        }
        FAIL() << "the loop never comes to rest";
    }

    // Whether the window shows what the App's state draws now.
    bool showsCurrentState() {
        const sf::Image shown = shownImage(probe().window);
        return sameColours(shown, frame());
    }

    // A real click through the X server at a window pixel.
    void clickThroughServer(sf::Vector2i pixel) {
        const sf::Vector2i at = probe().window.getPosition() + pixel;
        const std::string command =
            "xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " click 1";
        ASSERT_EQ(std::system(command.c_str()), 0);
        sf::sleep(sf::milliseconds(20));  // the server hands the events on
    }
};

TEST_F(QuietLoopWindow, TheCaretBlinksAtRestWithTheClocksWholeSeconds) {
    AppProbe a = startApp();
    click(mapPixel(a.login.userName.box.getPosition()));
    typeText(L"ab");
    runUntilRest();
    const sf::Image caretOn = shownImage(a.window);
    ASSERT_EQ(a.login.userName.text.getString(), L"ab|");

    seconds = 1;
    app->runFrame();
    const int withoutCaret = blackPixels(shownImage(a.window));
    EXPECT_LT(withoutCaret, blackPixels(caretOn)) << "the caret goes in the odd second";
    runUntilRest();
    seconds = 2;
    app->runFrame();
    EXPECT_EQ(blackPixels(shownImage(a.window)), blackPixels(caretOn)) << "and comes back in the even one";
}

TEST_F(QuietLoopWindow, AClickAtRestIsAnsweredInTheNextFrame) {
    AppProbe a = startAsUser();
    runUntilRest();
    const sf::Vector2i spot = spotPixel(1);
    ASSERT_FALSE(spotOutlined(shownImage(a.window), spot));
    clickThroughServer(spot);
    app->runFrame();
    EXPECT_TRUE(spotOutlined(shownImage(a.window), spot));
    EXPECT_EQ(a.selection.spotNumber, 1);
}

TEST_F(QuietLoopWindow, EveryStepOfADragIsShownInTheFrameAfterIt) {
    startAsUser();
    runUntilRest();
    press(kEmptyMapPixel);
    app->runFrame();
    const sf::Vector2f held = mapPoint(kEmptyMapPixel);
    for (int step = 1; step <= 5; ++step) {
        const sf::Vector2i cursor = kEmptyMapPixel + sf::Vector2i(4 * step, 2 * step);
        moveMouse(cursor);
        app->runFrame();
        EXPECT_NEAR(mapPoint(cursor).x, held.x, 0.01f) << "the map follows the pointer, step " << step;
        EXPECT_NEAR(mapPoint(cursor).y, held.y, 0.01f) << "step " << step;
        EXPECT_TRUE(showsCurrentState()) << "step " << step;
    }
    release(kEmptyMapPixel + sf::Vector2i(20, 10));
}

TEST_F(QuietLoopWindow, AnAnimatedRouteIsShownGrowingOneRoadEachPauseThenItsReport) {
    // The sample map's shortest route from 东湖支行 (11) to 小面馆 (25).
    const std::vector<int> route{3, 25, 31, 6, 7, 8};
    AppProbe a = startAsUser();
    ASSERT_TRUE(a.routeAnimation);
    runUntilRest();
    std::vector<int> roadsShown;
    onSleep = [&](int) {
        const sf::Image shown = shownImage(a.window);
        int outlined = 0;
        for (int road : route) {
            const Road& bar = a.map.roads[road];
            bool blue = true;
            for (sf::Vector2i at : roadOutlinePixels(spotPixel(bar.startSpot), spotPixel(bar.endSpot)))
                blue = blue && Program::windowPixel(shown, at) == sf::Color::Blue;
            outlined += blue;
        }
        roadsShown.push_back(outlined);
    };
    shiftClick(spotPixel(11));
    shiftClick(spotPixel(25));
    onSleep = nullptr;
    EXPECT_EQ(sleeps, std::vector<int>(route.size(), 300));
    EXPECT_EQ(roadsShown, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    app->runFrame();
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
    EXPECT_TRUE(showsCurrentState()) << "the report in the frame after the animation";
}
