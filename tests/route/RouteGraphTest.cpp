#include <gtest/gtest.h>

#include "route/RouteGraph.h"
#include "support/RouteMap.h"

namespace {

const WeightCell kCanary{-7, -7};

// A graph followed by cells that no build may reach, all filled with a
// marker, so any write outside the matrix or outside 1 .. n shows.
struct GuardedGraph {
    RouteGraph graph;
    WeightCell after[2 * kTableRows];

    GuardedGraph() {
        for (auto& row : graph.cells)
            for (WeightCell& cell : row) cell = kCanary;
        for (WeightCell& cell : after) cell = kCanary;
    }
    bool untouched(const WeightCell& cell) const { return cell.weight == kCanary.weight && cell.road == kCanary.road; }
    bool guardIntact() const {
        for (const WeightCell& cell : after)
            if (!untouched(cell)) return false;
        return true;
    }
};

}  // namespace

TEST(BuildGraph, ResetsEveryCellOfTheSpotsAndWeighsEveryRoad) {
    RouteMap m;
    for (int i = 0; i < 4; ++i) m.spot();
    m.road(300, 2, 1);
    m.road(450, 4, 3);
    m.build();
    auto guarded = std::make_unique<GuardedGraph>();
    RouteGraph& g = guarded->graph;
    buildGraph(g, *m.map, Criterion::Distance);

    EXPECT_EQ(g.vertexCount, 4);
    EXPECT_EQ(g.cells[1][2].weight, 300);
    EXPECT_EQ(g.cells[2][1].weight, 300);
    EXPECT_EQ(g.cells[3][4].weight, 450);
    EXPECT_EQ(g.cells[4][3].weight, 450);
    EXPECT_EQ(g.cells[1][2].road, 1);
    EXPECT_EQ(g.cells[4][3].road, 2);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(g.cells[i][i].weight, kNoRoad);
    EXPECT_EQ(g.cells[1][3].weight, kNoRoad);
    EXPECT_EQ(g.cells[2][4].weight, kNoRoad);
    // Cells of unjoined pairs keep whatever road they knew; only the weight
    // says whether a road joins them.
    EXPECT_EQ(g.cells[1][3].road, kCanary.road);
    // Nothing beyond the spots is touched.
    EXPECT_TRUE(guarded->untouched(g.cells[5][1]));
    EXPECT_TRUE(guarded->untouched(g.cells[1][5]));
    EXPECT_TRUE(guarded->untouched(g.cells[0][0]));
    EXPECT_TRUE(guarded->guardIntact());
}

TEST(BuildGraph, RebuildForgetsRemovedRoads) {
    RouteMap m;
    m.spot();
    m.spot();
    m.spot();
    m.road(300, 2, 1);
    m.road(200, 3, 2);
    m.build();
    ASSERT_EQ(m.graph->cells[2][3].weight, 200);

    m.map->roadTable.count = 1;
    buildMap(*m.map);
    buildGraph(*m.graph, *m.map, Criterion::FewestRoads);
    EXPECT_EQ(m.graph->cells[1][2].weight, 100);
    EXPECT_EQ(m.graph->cells[2][3].weight, kNoRoad);
    EXPECT_EQ(m.graph->cells[3][2].weight, kNoRoad);
}

TEST(BuildGraph, OfDuplicateRoadsTheHigherNumberStandsInBothCells) {
    RouteMap m;
    const int a = m.spot(), b = m.spot();
    m.road(100, b, a);
    const int later = m.road(900, a, b);  // same pair, ends the other way round
    m.build();
    EXPECT_EQ(m.graph->cells[a][b].road, later);
    EXPECT_EQ(m.graph->cells[b][a].road, later);
    EXPECT_EQ(m.graph->cells[a][b].weight, 900);
    EXPECT_EQ(m.graph->cells[b][a].weight, 900);
}

TEST(WeighAllRoads, LeavesRoadNumbersAlone) {
    RouteMap m;
    const int a = m.spot(), b = m.spot();
    m.road(100, b, a);
    m.build();
    m.graph->cells[a][b].road = 42;
    weighAllRoads(*m.graph, *m.map, Criterion::FewestRoads);
    EXPECT_EQ(m.graph->cells[a][b].road, 42);
    EXPECT_EQ(m.graph->cells[a][b].weight, 100);
    EXPECT_EQ(m.graph->cells[b][a].weight, 100);
}

TEST(BuildGraph, RoadsWithEndsOutsideTheSpotsAreNeverWritten) {
    RouteMap m;
    for (int i = 0; i < 3; ++i) m.spot();
    m.road(10, 4, 1);        // one past the last spot
    m.road(10, 2, 0);        // slot 0 is no spot
    m.road(10, -5, 3);
    m.road(10, kTableRows, 2);  // just past the matrix
    m.road(10, 3, 1000000);
    const int good = m.road(250, 3, 2);
    m.build();
    auto guarded = std::make_unique<GuardedGraph>();
    RouteGraph& g = guarded->graph;
    buildGraph(g, *m.map, Criterion::Distance);
    weighAllRoads(g, *m.map, Criterion::FewestRoads);

    EXPECT_TRUE(guarded->guardIntact());
    EXPECT_TRUE(guarded->untouched(g.cells[4][1]));
    EXPECT_TRUE(guarded->untouched(g.cells[1][4]));
    EXPECT_TRUE(guarded->untouched(g.cells[0][2]));
    EXPECT_TRUE(guarded->untouched(g.cells[2][0]));
    EXPECT_TRUE(guarded->untouched(g.cells[3][0]));
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            const bool joined = (i == 2 && j == 3) || (i == 3 && j == 2);
            EXPECT_EQ(g.cells[i][j].weight, joined ? 100 : kNoRoad) << i << "," << j;
        }
    EXPECT_EQ(g.cells[2][3].road, good);
}

TEST(BuildGraph, SpotCountBeyondTheMatrixIsCutToIt) {
    RouteMap m;
    m.spot();
    m.spot();
    m.road(10, 2, 1);
    m.road(10, kTableRows, 1);
    m.build();
    // A count the arrays cannot hold: roads to it still stay outside.
    m.map->spotCount = kTableRows;
    auto guarded = std::make_unique<GuardedGraph>();
    buildGraph(guarded->graph, *m.map, Criterion::Distance);
    EXPECT_EQ(guarded->graph.vertexCount, kTableRows - 1);
    EXPECT_TRUE(guarded->guardIntact());
    EXPECT_EQ(guarded->graph.cells[1][2].weight, 10);
    EXPECT_TRUE(guarded->untouched(guarded->graph.cells[2][0]));  // where row 1, column 100 would land
}

namespace {

std::vector<int> neighboursOf(const RouteGraph& graph, int spot) {
    const SpotNeighbours& list = graph.neighbours[spot];
    return std::vector<int>(list.spots, list.spots + list.count);
}

}  // namespace

TEST(BuildGraph, ListsEverySpotsNeighboursOnceInIncreasingNumber) {
    RouteMap m;
    for (int i = 0; i < 4; ++i) m.spot();
    m.road(10, 4, 1);
    m.road(10, 2, 1);
    m.road(20, 1, 2);  // the same pair again
    m.road(10, 3, 3);  // a self-loop
    m.road(10, 5, 3);  // no spot 5
    m.build();
    EXPECT_EQ(neighboursOf(*m.graph, 1), (std::vector<int>{2, 4}));
    EXPECT_EQ(neighboursOf(*m.graph, 2), (std::vector<int>{1}));
    EXPECT_EQ(neighboursOf(*m.graph, 3), (std::vector<int>{}));
    EXPECT_EQ(neighboursOf(*m.graph, 4), (std::vector<int>{1}));

    m.map->roadTable.count = 1;
    buildMap(*m.map);
    buildGraph(*m.graph, *m.map, Criterion::Distance);
    EXPECT_EQ(neighboursOf(*m.graph, 1), (std::vector<int>{4}));
    EXPECT_EQ(neighboursOf(*m.graph, 2), (std::vector<int>{}));
}

TEST(WeighAllRoads, ListsARoadWeighedSinceTheBuildButNoSpotBeyondTheVertices) {
    RouteMap m;
    for (int i = 0; i < 3; ++i) m.spot();
    m.road(10, 2, 1);
    m.build();
    m.road(10, 3, 2);
    m.spot();
    m.road(10, 4, 1);  // spot 4 came after the build: no vertex yet
    buildMap(*m.map);
    weighAllRoads(*m.graph, *m.map, Criterion::Distance);
    EXPECT_EQ(neighboursOf(*m.graph, 1), (std::vector<int>{2}));
    EXPECT_EQ(neighboursOf(*m.graph, 2), (std::vector<int>{1, 3}));
    EXPECT_EQ(searchAndWalk(*m.graph, 1, 3).spots(1), (std::vector<int>{1, 2, 3}));
}
