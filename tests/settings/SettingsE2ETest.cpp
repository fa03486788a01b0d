// The settings page in the real binary: the route criterion seen in the
// next route, full screen on and off, and the volume knob's number.
#include <gtest/gtest.h>

#include <SFML/Graphics.hpp>
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "map/MapFiles.h"
#include "support/InterfaceCanvas.h"
#include "support/MapRows.h"
#include "support/Program.h"
#include "support/RouteMap.h"
#include "support/RunTree.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Vector2i kPanelSample(630, 330);
const sf::Vector2i kSettingsButton = interfacePixel(650.f, 375.f);  // on the user screen
const sf::Vector2i kFullScreenButton = interfacePixel(135.f, 414.f);
const sf::Vector2i kFullScreenFill = interfacePixel(46.f, 385.f);  // clear of its label
const sf::Vector2i kKnobCentre = interfacePixel(205.f, 145.f);

sf::Vector2i criterionButton(Criterion c) { return interfacePixel(390.f, 130.f + 70.f * static_cast<int>(c)); }
// Inside a criterion's rectangle, clear of its label.
sf::Vector2i criterionFill(Criterion c) { return interfacePixel(301.f, 101.f + 70.f * static_cast<int>(c)); }

// The roads of the best route between two spots of the program's map files
// under a criterion, found by the route search the program uses.
std::vector<int> bestRoute(const Program& program, int start, int end, Criterion c) {
    RouteMap route;
    std::ostringstream console;
    readMapFile(program.file(kSpotsFile), route.map->spotTable, console);
    readMapFile(program.file(kRoadsFile), route.map->roadTable, console);
    route.build(c);
    return searchAndWalk(*route.graph, start, end).roads();
}

class SettingsE2E : public ::testing::Test {
protected:
    void logInAndOpenThePage(Program& program) {
        program.logIn("游客", "123456");
        ASSERT_TRUE(program.waitForPixel(kPanelSample, kPanelColour, 3000)) << "the user screen";
        program.clickAt(kSettingsButton);
        ASSERT_TRUE(program.waitForPixel(interfacePixel(260.f, 20.f), sf::Color::Cyan, 2000)) << "the page";
    }
    bool roadOutlined(const Program& program, const sf::Image& shot, int n) {
        const auto [end, start] = program.roadEnds(n);
        return ::roadOutlined(shot, program.spotCentreAtHome(start), program.spotCentreAtHome(end));
    }
};

TEST_F(SettingsE2E, FewestRoadsChosenOnThePageDecidesTheNextRoute) {
    Program program;
    ASSERT_TRUE(program.start());
    const std::vector<int> byDistance = bestRoute(program, 11, 25, Criterion::Distance);
    const std::vector<int> fewest = bestRoute(program, 11, 25, Criterion::FewestRoads);
    ASSERT_LT(fewest.size(), byDistance.size()) << "the sample map offers a route of fewer roads";
    logInAndOpenThePage(program);

    program.clickAt(criterionButton(Criterion::FewestRoads));
    ASSERT_TRUE(program.waitForPixel(criterionFill(Criterion::FewestRoads), sf::Color::Green, 2000));
    const sf::Image page = program.screenshot();
    Program::saveScreenshot("settings-fewest-roads", page);
    EXPECT_EQ(Program::windowPixel(page, criterionFill(Criterion::Distance)), sf::Color::Red);

    program.clickAt(kSettingsButton);
    ASSERT_TRUE(program.waitForPixel(interfacePixel(260.f, 20.f), sf::Color::White, 2000)) << "the map again";
    program.shiftClickAt(program.spotCentreAtHome(11));
    pause(300);
    program.shiftClickAt(program.spotCentreAtHome(25));
    sf::Image shown;
    ASSERT_TRUE(program.waitForScreen(
        [&](const sf::Image& s) {
            for (int road : fewest)
                if (!roadOutlined(program, s, road)) return false;
            return true;
        },
        5000, &shown))
        << "the route of fewest roads is outlined";
    Program::saveScreenshot("settings-fewest-roads-route", shown);
    for (int road : byDistance) {
        if (std::find(fewest.begin(), fewest.end(), road) == fewest.end()) {
            EXPECT_FALSE(roadOutlined(program, shown, road)) << "road " << road << " of the shortest way";
        }
    }
}

// On a 640 x 480 screen the server offers full screen at the window's size.
TEST_F(SettingsE2E, FullScreenOnAndOffLeavesA640By480TitledWindow) {
    Program program("640x480x24");
    ASSERT_TRUE(program.start());
    ASSERT_GT(program.top(), 0) << "the window starts below the screen's top edge";
    logInAndOpenThePage(program);
    const std::string title = "\"数据结构大作业 - Quorvale - Tavrinel\"";

    program.clickAt(kFullScreenButton);
    pause(500);
    ASSERT_TRUE(program.findWindowAgain(3000));
    EXPECT_EQ(program.left(), 0);
    EXPECT_EQ(program.top(), 0) << "full screen covers the screen\n" << program.windowTree();
    ASSERT_TRUE(program.waitForPixel(kFullScreenFill, sf::Color::Green, 3000));
    program.saveScreenshot("settings-full-screen-on");

    program.clickAt(kFullScreenButton);
    pause(500);
    ASSERT_TRUE(program.findWindowAgain(3000));
    EXPECT_GT(program.top(), 0) << "a window again\n" << program.windowTree();
    const std::string tree = program.windowTree();
    EXPECT_NE(tree.find(title + ": (\"navigation\" \"\")  640x480"), std::string::npos) << tree;
    ASSERT_TRUE(program.waitForPixel(kFullScreenFill, sf::Color::Red, 3000));
    program.saveScreenshot("settings-full-screen-off");

    // The new window takes clicks where the old one did.
    program.clickAt(criterionButton(Criterion::Cost));
    EXPECT_TRUE(program.waitForPixel(criterionFill(Criterion::Cost), sf::Color::Green, 2000));
    EXPECT_EQ(program.standardOutput().find("无法"), std::string::npos) << program.standardOutput();

    // No button counts as held after the switches: a plain move over the
    // map leaves it where it is.
    program.clickAt(kSettingsButton);
    ASSERT_TRUE(program.waitForPixel(interfacePixel(260.f, 20.f), sf::Color::White, 2000)) << "the map again";
    pause(200);
    const sf::Image before = program.screenshot();
    for (int step = 0; step <= 10; ++step) program.moveTo(100 + 20 * step, 100 + 15 * step);
    pause(300);
    const sf::Image after = program.screenshot();
    int moved = 0;
    for (int y = 40; y < 380; ++y)
        for (int x = 0; x < 400; ++x) moved += Program::windowPixel(before, x, y) != Program::windowPixel(after, x, y);
    EXPECT_EQ(moved, 0) << "pixels of the map changed";
    EXPECT_TRUE(program.running());
}

// Reads the number beside the volume slider from a screenshot: the number
// box drawn with each number from 0 to 100 in this process, the best match
// wins. Returns -1 when nothing matches well.
int readVolumeNumber(const Program& program, const sf::Image& shot) {
    InterfaceCanvas canvas(program);
    if (!canvas.ready()) return -1;
    sf::RectangleShape box({47.f, 40.f});
    box.setOrigin(50.f, 50.f);
    box.setPosition(275.f, 175.f);
    box.setFillColor(sf::Color::Green);
    sf::Text number("", canvas.font(), 25);
    number.setFillColor(sf::Color::Yellow);
    number.setOrigin(65.f, 30.f);
    number.setPosition(290.f, 160.f);
    number.setScale(1.f, 1.2f);
    const sf::IntRect inside(181, 101, 36, 31);  // the box's inside, interface (226..271, 126..164)
    int best = -1, fewest = inside.width * inside.height;
    for (int n = 0; n <= 100; ++n) {
        number.setString(std::to_string(n));
        const int differing = canvas.differingPixels(shot, inside, sf::Color::Cyan, {&box, &number});
        if (differing < fewest) fewest = differing, best = n;
    }
    return fewest * 20 < inside.width * inside.height ? best : -1;
}

TEST_F(SettingsE2E, TheKnobDraggedToHundredShowsTwentyFour) {
    Program program;
    ASSERT_TRUE(program.start());
    logInAndOpenThePage(program);
    EXPECT_EQ(readVolumeNumber(program, program.screenshot()), 100);

    // Hold the knob, look at it, then let go at interface x 100.
    const sf::Vector2i to = interfacePixel(100.f, 145.f);
    program.xdotool("mousemove " + std::to_string(program.left() + kKnobCentre.x) + " " +
                    std::to_string(program.top() + kKnobCentre.y) + " sleep 0.05 mousedown 1 sleep 0.05 mousemove " +
                    std::to_string(program.left() + to.x) + " " + std::to_string(program.top() + to.y));
    const sf::Vector2i knobNow = interfacePixel(95.f, 145.f);  // its centre, 5 units left of its x
    EXPECT_TRUE(program.waitForPixel(knobNow, sf::Color::Blue, 2000)) << "blue while dragged";
    program.saveScreenshot("settings-knob-dragging");
    program.xdotool("mouseup 1");
    EXPECT_TRUE(program.waitForPixel(knobNow, sf::Color::Green, 2000)) << "green once let go";
    EXPECT_EQ(readVolumeNumber(program, program.screenshot()), 24);
    program.saveScreenshot("settings-knob-24");
}

}  // namespace
