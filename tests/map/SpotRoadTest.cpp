#include <gtest/gtest.h>
#include <algorithm>
#include <sstream>

#include "base/TextConvert.h"
#include "support/MapRows.h"

TEST(Spot, BuildsFromRow) {
    auto map = emptyMap();
    addSpotRow(*map, L"超市", L"惠民超市", 4, 120, 80, "35.5");
    addSpotRow(*map, L"书店", L"旧书店", 2, -30, 0, "7");
    buildAllSpots(*map, SpotTextures{});

    const Spot& shop = map->spots[1];
    EXPECT_EQ(map->spotCount, 2);
    EXPECT_EQ(shop.number, 1);
    EXPECT_EQ(shop.type, L"超市");
    EXPECT_EQ(shop.name, L"惠民超市");
    EXPECT_EQ(shop.rating, 4);
    EXPECT_FLOAT_EQ(shop.cost, 35.5f);
    EXPECT_EQ(shop.getPosition(), sf::Vector2f(120.f, 80.f));
    EXPECT_EQ(shop.centre(), sf::Vector2f(150.f, 110.f));
    EXPECT_FLOAT_EQ(shop.circle.getRadius(), 30.f);
    EXPECT_EQ(shop.circle.getFillColor(), sf::Color::White);
    EXPECT_EQ(shop.circle.getOutlineColor(), sf::Color::Red);
    EXPECT_FLOAT_EQ(shop.circle.getOutlineThickness(), 0.f);
    EXPECT_TRUE(shop.selectable);
    EXPECT_EQ(map->spots[2].getPosition(), sf::Vector2f(-30.f, 0.f));
}

TEST(Road, BuildsFromRowWithColourOfItsType) {
    auto map = emptyMap();
    addSpotRow(*map, L"酒店", L"甲", 1, 0, 0, "1");
    addSpotRow(*map, L"酒店", L"乙", 1, 300, 400, "1");
    addRoadRow(*map, kHighway, L"西环高速", 1500, 60, 2, 1);
    addRoadRow(*map, kOrdinary, L"小路", 800, 30, 1, 2);
    addRoadRow(*map, L"土路", L"田埂", 100, 5, 1, 2);
    buildMap(*map);

    const Road& highway = map->roads[1];
    EXPECT_EQ(map->roadCount, 3);
    EXPECT_EQ(highway.number, 1);
    EXPECT_EQ(highway.type, L"高速公路");
    EXPECT_EQ(highway.name, L"西环高速");
    EXPECT_FLOAT_EQ(highway.length, 1500.f);
    EXPECT_EQ(highway.speedLimit, 60);
    EXPECT_EQ(highway.endSpot, 2);
    EXPECT_EQ(highway.startSpot, 1);
    EXPECT_EQ(highway.bar.getFillColor(), sf::Color::Yellow);
    EXPECT_EQ(highway.bar.getOutlineColor(), sf::Color::Blue);
    EXPECT_EQ(map->roads[2].bar.getFillColor(), sf::Color::Green);
    EXPECT_EQ(map->roads[3].bar.getFillColor(), sf::Color::White);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_GE(map->roads[n].congestion, 0.f);
        EXPECT_LE(map->roads[n].congestion, 1.f);
    }
}

TEST(Road, BarRunsFromStartCentreTurnedSlightlyPastTheExactAngle) {
    Road road;
    layBar(road, 20.f, {300.f, 400.f}, {0.f, 0.f});
    EXPECT_FLOAT_EQ(road.bar.getSize().x, 500.f);
    EXPECT_FLOAT_EQ(road.bar.getSize().y, 20.f);
    EXPECT_EQ(road.bar.getOrigin(), sf::Vector2f(0.f, 10.f));
    EXPECT_EQ(road.bar.getPosition(), sf::Vector2f(30.f, 30.f));
    // The exact angle is 53.1301 degrees.
    EXPECT_NEAR(road.bar.getRotation(), 53.1401f, 0.0001f);

    Road loop;
    layBar(loop, 20.f, {70.f, 90.f}, {70.f, 90.f});
    EXPECT_FLOAT_EQ(loop.bar.getSize().x, 0.f);
    EXPECT_FLOAT_EQ(loop.bar.getRotation(), 0.f);

    Road left;
    layBar(left, 20.f, {-100.f, 0.f}, {0.f, 0.f});
    EXPECT_NEAR(left.bar.getRotation(), 180.f * 3.14159265f / 3.141f, 0.001f);
}

TEST(Road, RoadWithEndsOutsideTheSpotsIsNamedAndLeftUnlaid) {
    auto map = emptyMap();
    addSpotRow(*map, L"酒店", L"甲", 1, 0, 0, "1");
    addSpotRow(*map, L"酒店", L"乙", 1, 100, 0, "1");
    addRoadRow(*map, kOrdinary, L"好路", 100, 30, 2, 1);
    addRoadRow(*map, kOrdinary, L"断路", 100, 30, 7, 1);
    addRoadRow(*map, kOrdinary, L"零号路", 100, 30, 2, 0);
    buildMap(*map);
    std::ostringstream console;
    layAllBars(*map, console);

    EXPECT_TRUE(roadEndsValid(*map, map->roads[1]));
    EXPECT_FALSE(roadEndsValid(*map, map->roads[2]));
    EXPECT_FALSE(roadEndsValid(*map, map->roads[3]));
    EXPECT_FLOAT_EQ(map->roads[1].bar.getSize().x, 100.f);
    EXPECT_FLOAT_EQ(map->roads[2].bar.getSize().x, 0.f);
    // One line per bad road, naming it; the rows stay for the next save.
    const std::string text = console.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_NE(text.find("断路"), std::string::npos);
    EXPECT_NE(text.find("零号路"), std::string::npos);
    EXPECT_EQ(map->roadTable.count, 3);
}

TEST(Road, CongestionCoefficientsCoverTheWholeRange) {
    float lowest = 1.f, highest = 0.f;
    for (int i = 0; i < 20000; ++i) {
        const float c = randomCongestion();
        ASSERT_GE(c, 0.f);
        ASSERT_LE(c, 1.f);
        lowest = std::min(lowest, c);
        highest = std::max(highest, c);
    }
    EXPECT_LT(lowest, 0.01f);
    EXPECT_GT(highest, 0.99f);
}
