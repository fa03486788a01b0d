// The map of the real binary after an ordinary user's login: dragging, wheel
// zoom and H, and the clicks on a road and on a spot.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>

#include "support/Program.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Color kHotelBackground(39, 64, 139);  // the navy around the hotel picture's motif
const sf::Vector2i kPanelSample(630, 330);      // blank panel below the help text

// The panel title's band: interface (550, 5) onwards, character size 50.
int titleDifference(const sf::Image& before, const sf::Image& after) {
    int count = 0;
    for (int y = 4; y < 48; ++y)
        for (int x = 430; x < 640; ++x) count += Program::windowPixel(before, x, y) != Program::windowPixel(after, x, y);
    return count;
}

int coefficientLines(const std::string& output) {
    const std::regex coefficient(R"(^\d\.\d{6}$)");
    std::istringstream lines(output);
    int count = 0;
    for (std::string line; std::getline(lines, line);) count += std::regex_match(line, coefficient);
    return count;
}

class MapE2E : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        logInAsGuest();
    }

    void logInAsGuest() {
        program.logIn("游客", "123456");
        ASSERT_TRUE(program.waitForPixel(kPanelSample, kPanelColour, 3000)) << "the user screen's side panel";
    }

    // The window pixel of a map point while the view is centred on (450, 450)
    // with the given zoom factor.
    static sf::Vector2f pixelAtZoom(sf::Vector2f map, float zoom) {
        return {(map.x - 450.f) / zoom + 320.f, (map.y - 450.f) / zoom + 240.f};
    }

    sf::Vector2f spotCentre(int n) const {
        const sf::Vector2i home = program.spotCentreAtHome(n);
        return {home.x * 2.f - 190.f, home.y * 2.f - 30.f};
    }

    // Where a hotel's picture is on the screen: the centre of its navy pixels
    // near the expected place (or far off when there are none). Every hotel shows the same picture, so the
    // distance between two hotels' results is the distance of their centres.
    static sf::Vector2f locateHotel(const sf::Image& shot, sf::Vector2f expected) {
        sf::Vector2f sum;
        int count = 0;
        for (int y = static_cast<int>(expected.y) - 30; y <= static_cast<int>(expected.y) + 30; ++y)
            for (int x = static_cast<int>(expected.x) - 30; x <= static_cast<int>(expected.x) + 30; ++x) {
                if (x < 0 || y < 0 || x >= 640 || y >= 480) continue;
                if (!nearColour(Program::windowPixel(shot, x, y), kHotelBackground, 30)) continue;
                sum += sf::Vector2f(static_cast<float>(x), static_cast<float>(y));
                ++count;
            }
        // A whole picture has several hundred of them; fewer means no hotel there.
        if (count < 150) return {-1000.f, -1000.f};
        return sum / static_cast<float>(count);
    }

    // The on-screen distance between hotels 9 and 12 as the map shows them
    // now, looking for them where the given zoom factor puts them; -1 when
    // either is not there.
    float hotelDistance(const sf::Image& shot, float zoom) const {
        const sf::Vector2f a = locateHotel(shot, pixelAtZoom(spotCentre(9), zoom));
        const sf::Vector2f b = locateHotel(shot, pixelAtZoom(spotCentre(12), zoom));
        if (a.x < -999.f || b.x < -999.f) return -1.f;
        return std::hypot(a.x - b.x, a.y - b.y);
    }

    Program program;
};

TEST_F(MapE2E, DraggingMovesTheMapWithTheCursor) {
    const sf::Vector2i spot = program.spotCentreAtHome(7);
    const sf::Image before = program.screenshot();
    program.saveScreenshot("map-before-drag");

    // From empty map, away from every road's hit area, 60 right and 40 down.
    const sf::Vector2i offset(60, 40);
    program.drag({180, 200}, sf::Vector2i(180, 200) + offset);
    pause(100);
    const sf::Image after = program.screenshot();
    program.saveScreenshot("map-after-drag");

    // The spot's picture now stands where the cursor took it.
    int same = 0, total = 0;
    for (int dy = -14; dy <= 14; ++dy)
        for (int dx = -14; dx <= 14; ++dx, ++total) {
            const sf::Color was = Program::windowPixel(before, spot.x + dx, spot.y + dy);
            same += nearColour(Program::windowPixel(after, spot.x + offset.x + dx, spot.y + offset.y + dy), was, 8);
        }
    EXPECT_GT(same, total * 9 / 10) << same << " of " << total << " pixels moved along";
    // ... and no longer where it was.
    EXPECT_FALSE(nearColour(Program::windowPixel(after, spot), Program::windowPixel(before, spot), 8));
    EXPECT_EQ(coefficientLines(program.standardOutput()), 0) << "the press was meant to hit no road";
}

TEST_F(MapE2E, WheelZoomsAboutTheViewCentreAndHReturnsHome) {
    const float home = std::hypot(spotCentre(9).x - spotCentre(12).x, spotCentre(9).y - spotCentre(12).y);
    EXPECT_NEAR(hotelDistance(program.screenshot(), 2.f), home / 2.f, 3.f);

    // Three notches towards the user: zoom factor 2.3, more map, smaller.
    program.wheel({200, 300}, -3);
    sf::Image shot;
    program.waitForScreen([&](const sf::Image& s) { return std::abs(hotelDistance(s, 2.3f) - home / 2.3f) < 3.f; },
                          2000, &shot);
    program.saveScreenshot("map-zoomed-out");
    EXPECT_NEAR(hotelDistance(shot, 2.3f), home / 2.3f, 3.f);

    // Six notches away from the user: 1.7, closer.
    program.wheel({200, 300}, 6);
    program.waitForScreen([&](const sf::Image& s) { return std::abs(hotelDistance(s, 1.7f) - home / 1.7f) < 3.f; },
                          2000, &shot);
    program.saveScreenshot("map-zoomed-in");
    EXPECT_NEAR(hotelDistance(shot, 1.7f), home / 1.7f, 3.f);

    program.key("h");
    program.waitForScreen([&](const sf::Image& s) { return std::abs(hotelDistance(s, 2.f) - home / 2.f) < 3.f; },
                          2000, &shot);
    EXPECT_NEAR(hotelDistance(shot, 2.f), home / 2.f, 3.f);
}

TEST_F(MapE2E, ClickingARoadPrintsItsCoefficientAndOutlinesIt) {
    // Road 13 joins spots 1 and 2; its middle lies in no other item's hit area.
    const auto [end, start] = program.roadEnds(13);
    const sf::Vector2i from = program.spotCentreAtHome(start);
    const sf::Vector2i to = program.spotCentreAtHome(end);
    const sf::Image before = program.screenshot();
    for (const sf::Vector2i at : roadOutlinePixels(from, to))
        EXPECT_NE(Program::windowPixel(before, at), sf::Color::Blue);

    program.clickAt((from + to) / 2);
    ASSERT_TRUE(program.waitForOutput(std::regex(R"((^|\n)\d\.\d{6}\n)"), 2000)) << "a coefficient line on the console";
    sf::Image after;
    EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return titleDifference(before, s) > 100; }, 2000,
                                      &after))
        << "the panel title changes to the road's";
    program.saveScreenshot("map-road-clicked");

    const std::string output = program.standardOutput();
    EXPECT_EQ(coefficientLines(output), 1) << output;
    std::smatch match;
    ASSERT_TRUE(std::regex_search(output, match, std::regex(R"((?:^|\n)(\d\.\d{6})\n)")));
    const double coefficient = std::stod(match[1]);
    EXPECT_GE(coefficient, 0.0);
    EXPECT_LE(coefficient, 1.0);
    for (const sf::Vector2i at : roadOutlinePixels(from, to))
        EXPECT_EQ(Program::windowPixel(after, at), sf::Color::Blue) << "at " << at.x << "," << at.y;
}

TEST_F(MapE2E, ClickingASpotOutlinesItInRed) {
    const sf::Vector2i centre = program.spotCentreAtHome(7);
    const sf::Image before = program.screenshot();
    for (const sf::Vector2i at : spotOutlinePixels(centre)) EXPECT_NE(Program::windowPixel(before, at), sf::Color::Red);

    program.clickAt(centre);
    sf::Image after;
    EXPECT_TRUE(program.waitForScreen(
        [&](const sf::Image& s) { return Program::windowPixel(s, spotOutlinePixels(centre)[0]) == sf::Color::Red; },
        2000, &after));
    program.saveScreenshot("map-spot-clicked");
    for (const sf::Vector2i at : spotOutlinePixels(centre))
        EXPECT_EQ(Program::windowPixel(after, at), sf::Color::Red) << "at " << at.x << "," << at.y;
    EXPECT_GT(titleDifference(before, after), 100) << "the panel title changes to the spot's";
    // A spot of the same map that was not clicked keeps its plain edge.
    for (const sf::Vector2i at : spotOutlinePixels(program.spotCentreAtHome(12)))
        EXPECT_NE(Program::windowPixel(after, at), sf::Color::Red);
}

TEST_F(MapE2E, LoggingOutPutsTheMapBackHome) {
    program.drag({180, 200}, {260, 260});
    program.wheel({200, 300}, -3);
    pause(100);
    program.saveScreenshot("map-moved-before-logout");

    program.clickAt(interfacePixel(55.f, 568.f));  // "退出登录"
    ASSERT_TRUE(program.waitForPixel({600, 100}, sf::Color::Cyan, 2000)) << "the login screen";
    logInAsGuest();
    const sf::Image shot = program.screenshot();
    program.saveScreenshot("map-after-logging-in-again");
    const float home = std::hypot(spotCentre(9).x - spotCentre(12).x, spotCentre(9).y - spotCentre(12).y);
    EXPECT_NEAR(hotelDistance(shot, 2.f), home / 2.f, 3.f) << "the home view's zoom and centre";
}

// Before the login, no map is shown and the wheel and drags leave the view alone.
class MapBeforeLoginE2E : public MapE2E {
protected:
    void SetUp() override { ASSERT_TRUE(program.start()); }
};

TEST_F(MapBeforeLoginE2E, WheelAndDragOnTheLoginScreenLeaveTheMapAtHome) {
    const sf::Image before = program.screenshot();
    program.wheel({100, 300}, -5);
    program.drag({100, 300}, {200, 350});
    pause(100);
    int changed = 0;
    const sf::Image after = program.screenshot();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) changed += Program::windowPixel(before, x, y) != Program::windowPixel(after, x, y);
    EXPECT_EQ(changed, 0) << "the login screen stays as it was";

    logInAsGuest();
    const float home = std::hypot(spotCentre(9).x - spotCentre(12).x, spotCentre(9).y - spotCentre(12).y);
    EXPECT_NEAR(hotelDistance(program.screenshot(), 2.f), home / 2.f, 3.f);
}

}  // namespace
