// A route asked for with left-Shift clicks in the real binary: the outlined
// route, the report's title and the animation's pace.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "support/Program.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Vector2i kPanelSample(630, 330);

// Under the distance criterion the sample map's best way from spot 11 to
// spot 25 passes these spots and roads.
const std::vector<int> kRouteSpots{11, 16, 17, 22, 23, 24, 25};
const std::vector<int> kRouteRoads{3, 25, 31, 6, 7, 8};

int titleDifference(const sf::Image& before, const sf::Image& after) {
    int count = 0;
    for (int y = 4; y < 48; ++y)
        for (int x = 430; x < 640; ++x) count += Program::windowPixel(before, x, y) != Program::windowPixel(after, x, y);
    return count;
}

class RouteE2E : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        program.logIn("游客", "123456");
        ASSERT_TRUE(program.waitForPixel(kPanelSample, kPanelColour, 3000)) << "the user screen's side panel";
    }

    bool spotOutlined(const sf::Image& shot, int n) const { return ::spotOutlined(shot, program.spotCentreAtHome(n)); }

    bool roadOutlined(const sf::Image& shot, int n) const {
        const auto [end, start] = program.roadEnds(n);
        return ::roadOutlined(shot, program.spotCentreAtHome(start), program.spotCentreAtHome(end));
    }

    int outlinedRouteRoads(const sf::Image& shot) const {
        int count = 0;
        for (int road : kRouteRoads) count += roadOutlined(shot, road);
        return count;
    }

    // The first pick; returns the screen with the request pending.
    sf::Image pickStart() {
        const sf::Image before = program.screenshot();
        program.shiftClickAt(program.spotCentreAtHome(11));
        sf::Image pending;
        EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return spotOutlined(s, 11); }, 2000, &pending))
            << "the start spot is outlined";
        EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return titleDifference(before, s) > 100; }, 2000,
                                          &pending))
            << "the panel shows the start spot and the hint";
        program.saveScreenshot("route-start-picked");
        return pending;
    }

    Program program;
};

TEST_F(RouteE2E, ShiftClicksOnTwoSpotsOutlineTheRouteAndShowTheReport) {
    const sf::Image pending = pickStart();
    EXPECT_EQ(outlinedRouteRoads(pending), 0);

    program.shiftClickAt(program.spotCentreAtHome(25));
    sf::Image shown;
    ASSERT_TRUE(program.waitForScreen([&](const sf::Image& s) { return titleDifference(pending, s) > 100; }, 5000,
                                      &shown))
        << "the panel title changes to the report's";
    program.saveScreenshot("route-shown");

    for (int spot : kRouteSpots) EXPECT_TRUE(spotOutlined(shown, spot)) << "spot " << spot;
    for (int road : kRouteRoads) EXPECT_TRUE(roadOutlined(shown, road)) << "road " << road;
    // Beside the route: spot 12 and road 21 (11 to 12), the first step of
    // another way, stay plain.
    EXPECT_FALSE(spotOutlined(shown, 12));
    EXPECT_FALSE(roadOutlined(shown, 21));
}

TEST_F(RouteE2E, TheAnimationGrowsTheRouteOneRoadAtATime) {
    const sf::Image pending = pickStart();

    // The click lands about 0.1 s into the xdotool command.
    const auto clicked = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    program.shiftClickAt(program.spotCentreAtHome(25));
    const auto since = [&] {
        return static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - clicked).count());
    };
    std::vector<int> outlinedSeen;
    std::map<int, int> firstSeenAt;  // outlined roads -> ms after the click
    sf::Image shown;
    const bool reported = program.waitForScreen(
        [&](const sf::Image& s) {
            if (titleDifference(pending, s) > 100) return true;
            outlinedSeen.push_back(outlinedRouteRoads(s));
            firstSeenAt.emplace(outlinedSeen.back(), since());
            if (outlinedSeen.back() == 3) Program::saveScreenshot("route-animation-half-way", s);
            return false;
        },
        6000, &shown);
    const int milliseconds = since();
    ASSERT_TRUE(reported);
    RecordProperty("millisecondsUntilReport", milliseconds);
    std::printf("six-road route: report after about %d ms\n", milliseconds);

    // 300 ms for each of the six roads, during which the window shows the
    // route growing and takes no events.
    EXPECT_GE(milliseconds, 1500);
    EXPECT_LE(milliseconds, 3500);
    bool partial = false;
    for (size_t k = 0; k < outlinedSeen.size(); ++k) {
        partial = partial || (outlinedSeen[k] > 0 && outlinedSeen[k] < 6);
        if (k > 0) {
            EXPECT_GE(outlinedSeen[k], outlinedSeen[k - 1]) << "the outlined part never shrinks";
        }
    }
    EXPECT_TRUE(partial) << "a frame with part of the route outlined";
    EXPECT_EQ(outlinedRouteRoads(shown), 6);

    // The pace between the first and the last partial state seen.
    firstSeenAt.erase(0);
    ASSERT_GE(firstSeenAt.size(), 2u);
    const auto [fewest, fewestAt] = *firstSeenAt.begin();
    const auto [most, mostAt] = *firstSeenAt.rbegin();
    ASSERT_GE(most - fewest, 2) << "too few states seen to time the steps";
    const int perRoad = (mostAt - fewestAt) / (most - fewest);
    RecordProperty("millisecondsPerRoad", perRoad);
    std::printf("about %d ms per road (%d to %d roads outlined)\n", perRoad, fewest, most);
    EXPECT_GE(perRoad, 200);
    EXPECT_LE(perRoad, 450);
}

TEST_F(RouteE2E, AnOrdinaryClickOnEmptyMapRemovesTheRoute) {
    pickStart();
    program.shiftClickAt(program.spotCentreAtHome(25));
    sf::Image shown;
    ASSERT_TRUE(program.waitForScreen([&](const sf::Image& s) { return outlinedRouteRoads(s) == 6; }, 5000, &shown));
    pause(300);

    program.clickAt({180, 200});  // empty map, in no item's hit area
    sf::Image cleared;
    EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return outlinedRouteRoads(s) == 0; }, 2000, &cleared));
    program.saveScreenshot("route-cleared");
    for (int spot : kRouteSpots) EXPECT_FALSE(spotOutlined(cleared, spot)) << "spot " << spot;
    EXPECT_GT(titleDifference(shown, cleared), 100) << "the help text is back";
}

TEST_F(RouteE2E, OrdinaryClicksWaitWhileARequestIsPending) {
    const sf::Image pending = pickStart();
    program.clickAt(program.spotCentreAtHome(12));
    pause(200);
    const sf::Image shot = program.screenshot();
    program.saveScreenshot("route-pending-after-click");
    EXPECT_FALSE(spotOutlined(shot, 12)) << "the click is ignored";
    EXPECT_TRUE(spotOutlined(shot, 11));
    EXPECT_EQ(titleDifference(pending, shot), 0) << "the panel keeps the start and the hint";
}

TEST_F(RouteE2E, TheRightShiftKeyMakesOrdinaryClicks) {
    // xdotool given the name Shift_R presses the left Shift key with it;
    // key code 62 is the right Shift key alone in the X server's keymap.
    const auto rightShiftClick = [&](sf::Vector2i at) {
        program.xdotool("mousemove " + std::to_string(program.left() + at.x) + " " +
                        std::to_string(program.top() + at.y) + " keydown 62 sleep 0.1 click 1 sleep 0.1 keyup 62");
    };
    rightShiftClick(program.spotCentreAtHome(11));
    EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return spotOutlined(s, 11); }, 2000));
    rightShiftClick(program.spotCentreAtHome(25));
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return spotOutlined(s, 25) && !spotOutlined(s, 11); },
                                      2000, &shot))
        << "the second click selects spot 25 instead of ending a request";
    program.saveScreenshot("route-right-shift");
    // Only road 8, whose hit area holds spot 25's centre, is hit with it.
    for (int road : {3, 25, 31, 6, 7}) EXPECT_FALSE(roadOutlined(shot, road)) << "road " << road;
}

}  // namespace
