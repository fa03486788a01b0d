// Clicking the map: the hit areas of spots and roads, what a hit selects,
// outlines, shows and prints, and the click over every item.
#include <gtest/gtest.h>
#include <sstream>

#include "map/InfoPanel.h"
#include "map/MapClick.h"
#include "support/MapRows.h"

namespace {

struct Panel {
    Selection selection;
    SidePanel panel;
    std::ostringstream console;
    InfoTargets targets() { return InfoTargets{selection, panel, console}; }
};

// Spot 1 at (100, 100); spot 2 at (400, 500); road 1 joins them diagonally.
std::unique_ptr<MapModel> diagonalMap() {
    auto map = emptyMap();
    addSpotRow(*map, L"超市", L"惠民超市", 4, 100, 100, "35.5");
    addSpotRow(*map, L"银行", L"农商银行", 3, 400, 500, "5");
    addRoadRow(*map, kOrdinary, L"长街", 1500, 60, 2, 1);
    buildMap(*map);
    std::ostringstream ignored;
    layAllBars(*map, ignored);
    return map;
}

}  // namespace

TEST(MapClick, SpotHitAreaIsItsBoundsWithLeftTopEdgesIn) {
    auto map = diagonalMap();
    const Spot& spot = map->spots[1];
    const sf::FloatRect box = spot.circle.getGlobalBounds();
    EXPECT_TRUE(spotContains(spot, {box.left, box.top}));
    EXPECT_TRUE(spotContains(spot, {box.left + box.width - 0.01f, box.top + box.height - 0.01f}));
    EXPECT_FALSE(spotContains(spot, {box.left + box.width, box.top + 10.f}));
    EXPECT_FALSE(spotContains(spot, {box.left + 10.f, box.top + box.height}));
    EXPECT_FALSE(spotContains(spot, {box.left - 0.01f, box.top + 10.f}));
}

TEST(MapClick, HighlightedSpotIsHitJustOutsideItsCircle) {
    auto map = diagonalMap();
    Panel p;
    Spot& spot = map->spots[1];
    const sf::Vector2f beside(97.f, 130.f);  // 3 units left of the circle's box
    EXPECT_FALSE(hitSpot(spot, beside, p.targets()));
    ASSERT_TRUE(hitSpot(spot, {130.f, 130.f}, p.targets()));
    EXPECT_FLOAT_EQ(spot.circle.getOutlineThickness(), 5.f);
    EXPECT_TRUE(hitSpot(spot, beside, p.targets()));
}

TEST(MapClick, SpotHitSelectsAndShowsIt) {
    auto map = diagonalMap();
    Panel p;
    ASSERT_TRUE(hitSpot(map->spots[1], {130.f, 130.f}, p.targets()));
    EXPECT_TRUE(anythingSelected(p.selection));
    EXPECT_EQ(p.selection.kind, SelectedKind::Spot);
    EXPECT_EQ(p.selection.spotNumber, 1);
    EXPECT_EQ(p.panel.title.getString(), L"景点情况");
    EXPECT_EQ(p.panel.body.getString(), spotInfoText(map->spots[1]));
    EXPECT_EQ(p.console.str(), "");
}

TEST(MapClick, RoadHitPrintsCoefficientAndSelectsIt) {
    auto map = diagonalMap();
    Panel p;
    Road& road = map->roads[1];
    road.congestion = 0.5347f;
    ASSERT_TRUE(hitRoad(road, {280.f, 330.f}, p.targets()));  // the middle of the bar
    EXPECT_EQ(p.console.str(), "0.534700\n");
    EXPECT_EQ(p.selection.kind, SelectedKind::Road);
    EXPECT_EQ(p.selection.roadNumber, 1);
    EXPECT_EQ(p.panel.title.getString(), L"道路状况");
    EXPECT_FLOAT_EQ(road.bar.getOutlineThickness(), 5.f);
}

// Points in the bar's own frame: x along it, y across it, 0 .. 20 the bar.
TEST(MapClick, RoadHitAreaIsTheBarAsDrawnItsOutlineOnlyWhileHighlighted) {
    auto map = diagonalMap();
    Road& road = map->roads[1];
    const float middle = road.bar.getSize().x / 2;
    auto at = [&road](float x, float y) { return road.bar.getTransform().transformPoint(x, y); };
    // Inside the upright box around the bar, but far from the bar itself.
    const sf::FloatRect box = road.bar.getGlobalBounds();
    const struct {
        sf::Vector2f point;
        bool plain, highlighted;
    } cases[] = {{at(middle, 10.f), true, true},
                 {at(middle, -2.5f), false, true},
                 {at(middle, 27.5f), false, false},
                 {{box.left + box.width - 5.f, box.top + 5.f}, false, false}};
    for (const auto& c : cases) {
        road.bar.setOutlineThickness(0.f);
        EXPECT_EQ(roadContains(road, c.point), c.plain) << c.point.x << ", " << c.point.y;
        road.bar.setOutlineThickness(kHighlightThickness);
        EXPECT_EQ(roadContains(road, c.point), c.highlighted) << c.point.x << ", " << c.point.y;
    }
}

TEST(MapClick, OnSpotOverRoadHighlightsBothAndShowsTheSpot) {
    auto map = diagonalMap();
    Panel p;
    // The start spot's centre lies on the bar's start.
    EXPECT_TRUE(mapClick(*map, {130.f, 130.f}, p.targets()));
    EXPECT_FLOAT_EQ(map->spots[1].circle.getOutlineThickness(), 5.f);
    EXPECT_FLOAT_EQ(map->roads[1].bar.getOutlineThickness(), 5.f);
    EXPECT_FLOAT_EQ(map->spots[2].circle.getOutlineThickness(), 0.f);
    EXPECT_EQ(p.selection.kind, SelectedKind::Spot);
    EXPECT_EQ(p.panel.title.getString(), L"景点情况");
    EXPECT_EQ(p.console.str().size(), std::string("0.000000\n").size());
}

TEST(MapClick, OnEmptyMapClearsSelectionAndHighlights) {
    auto map = diagonalMap();
    Panel p;
    mapClick(*map, {130.f, 130.f}, p.targets());
    map->spots[2].circle.setOutlineThickness(5.f);  // as a shown route leaves it
    EXPECT_FALSE(mapClick(*map, {-500.f, -500.f}, p.targets()));
    EXPECT_FALSE(anythingSelected(p.selection));
    for (int n = 1; n <= 2; ++n) EXPECT_FLOAT_EQ(map->spots[n].circle.getOutlineThickness(), 0.f);
    EXPECT_FLOAT_EQ(map->roads[1].bar.getOutlineThickness(), 0.f);
}

TEST(MapClick, RoadToNoSpotIsNeverHit) {
    auto map = diagonalMap();
    map->roads[1].endSpot = 9;  // as a hand-edited file could say
    Panel p;
    EXPECT_FALSE(mapClick(*map, {300.f, 300.f}, p.targets()));
    EXPECT_EQ(p.console.str(), "");
}
