#include <gtest/gtest.h>
#include <sstream>

#include "route/MapRebuild.h"
#include "support/RouteMap.h"

TEST(MapRebuild, EditedRowsReachTheSpotsBarsAndRoutesUnderTheCurrentCriterion) {
    RouteMap m;
    m.spot("10");
    m.spot("20");
    m.spot("30");
    m.road(100, 2, 1);
    m.road(100, 3, 2);
    m.build();
    std::ostringstream console;
    const RouteCriterion fewestRoads = onlyCriterion(Criterion::FewestRoads);

    // An edit: a direct road from 1 to 3 and a fourth spot joined to 3.
    m.road(900, 3, 1);
    m.spot("40", 3, L"新景点");
    m.road(50, 4, 3);
    m.map->spotTable.rows[1][3] = "250";  // spot 2 moves right
    rebuildMap(*m.map, SpotTextures{}, *m.graph, fewestRoads, console);

    EXPECT_EQ(m.map->spotCount, 4);
    EXPECT_EQ(m.map->roadCount, 4);
    EXPECT_EQ(m.spotAt(4).name, L"新景点");
    EXPECT_EQ(m.spotAt(2).getPosition().x, 250.f);
    EXPECT_GT(m.roadAt(4).bar.getSize().x, 0.f);
    EXPECT_EQ(m.graph->vertexCount, 4);
    EXPECT_EQ(m.graph->cells[1][3].road, 3);
    EXPECT_EQ(m.graph->cells[1][3].weight, 100);  // every road weighs 100 when fewest roads count
    EXPECT_EQ(searchAndWalk(*m.graph, 1, 4).roads(), (std::vector<int>{3, 4}));
    EXPECT_TRUE(console.str().empty());
}

TEST(MapRebuild, RoadsToARemovedSpotAreNamedAndNotRouted) {
    RouteMap m;
    for (int i = 0; i < 3; ++i) m.spot();
    m.road(100, 2, 1);
    m.road(100, 3, 2);
    m.build();

    m.map->spotTable.count = 2;  // spot 3 deleted, its road kept in the table
    std::ostringstream console;
    rebuildMap(*m.map, SpotTextures{}, *m.graph, RouteCriterion{}, console);

    EXPECT_EQ(m.graph->vertexCount, 2);
    EXPECT_TRUE(hasRoad(m.graph->cells[1][2]));
    EXPECT_NE(console.str().find("道路 2"), std::string::npos);
    EXPECT_FALSE(searchAndWalk(*m.graph, 1, 3).found);
}

TEST(MapRebuild, NeverBuildsPastTheUsableSlots) {
    RouteMap m;
    m.spot();
    m.map->spotTable.count = kTableRows + 5;  // a count no reader produces
    m.map->roadTable.count = kTableRows;
    std::ostringstream console;
    rebuildMap(*m.map, SpotTextures{}, *m.graph, RouteCriterion{}, console);
    EXPECT_EQ(m.map->spotCount, kMaxMapObjects);
    EXPECT_EQ(m.map->roadCount, kMaxMapObjects);
}
