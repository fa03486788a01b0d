// The side panel texts of a spot and of a road.
#include <gtest/gtest.h>

#include "map/InfoPanel.h"
#include "support/MapRows.h"

namespace {

// Spot 1 and road 1, as read from their rows.
std::unique_ptr<MapModel> spotAndRoad() {
    auto map = emptyMap();
    addSpotRow(*map, L"超市", L"惠民超市", 4, 100, 100, "35.5");
    addSpotRow(*map, L"银行", L"农商银行", 3, 400, 500, "5");
    addRoadRow(*map, kOrdinary, L"长街", 1500, 60, 2, 1);
    buildMap(*map);
    return map;
}

}  // namespace

TEST(InfoPanel, SpotTextHasTruncatedPositionAndUnits) {
    auto map = spotAndRoad();
    Spot& spot = map->spots[1];
    spot.setPosition(120.7f, 80.2f);
    EXPECT_EQ(spotInfoText(spot), L"序号:1\n\n类型:超市\n\n名称:惠民超市\n\n坐标:(120,80)\n\n客户评价:4星\n\n花费:35.5元");
    spot.setPosition(-30.9f, -0.5f);
    EXPECT_NE(spotInfoText(spot).find(L"坐标:(-30,0)"), sf::String::InvalidPos);
    // Hand-edited coordinates past the integer range show the nearest limit.
    spot.setPosition(1e12f, -1e12f);
    EXPECT_NE(spotInfoText(spot).find(L"坐标:(2147483647,-2147483648)"), sf::String::InvalidPos);
}

TEST(InfoPanel, RoadTextHasLengthAndSpeedLimit) {
    auto map = spotAndRoad();
    EXPECT_EQ(roadInfoText(map->roads[1]), L"类型:普通道路\n\n名称:长街\n\n长度:1500米\n\n限制速度:60千米/时");
    map->roads[1].length = 5e20f;
    EXPECT_NE(roadInfoText(map->roads[1]).find(L"长度:2147483647米"), sf::String::InvalidPos);
}
