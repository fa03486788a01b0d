#include "route/RouteGraph.h"

#include <algorithm>

namespace {

constexpr int kMaxVertex = kTableRows - 1;

// A road may enter the matrix only when both ends are existing spots and
// both numbers address a cell; anything else would write outside it.
bool roadFits(const MapModel& map, const Road& road) {
    return roadEndsValid(map, road) && road.endSpot <= kMaxVertex && road.startSpot <= kMaxVertex;
}

int lastRoad(const MapModel& map) { return std::min(map.roadCount, kMaxVertex); }

}  // namespace

void weighAllRoads(RouteGraph& graph, const MapModel& map, Criterion c) {
    for (int r = 1; r <= lastRoad(map); ++r) {
        const Road& road = map.roads[r];
        if (!roadFits(map, road)) continue;
        const int a = road.endSpot;
        const int b = road.startSpot;
        const int weight = roadWeight(road, map.spots[a], map.spots[b], c);
        graph.cells[a][b].weight = weight;
        graph.cells[b][a].weight = weight;
    }
}

void buildGraph(RouteGraph& graph, const MapModel& map, Criterion c) {
    graph.vertexCount = std::clamp(map.spotCount, 0, kMaxVertex);
    const int n = graph.vertexCount;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) graph.cells[i][j].weight = kNoRoad;
    // Ascending order: of several roads between one pair the last, highest
    // numbered, is the one the matrix knows.
    for (int r = 1; r <= lastRoad(map); ++r) {
        const Road& road = map.roads[r];
        if (!roadFits(map, road)) continue;
        graph.cells[road.endSpot][road.startSpot].road = r;
        graph.cells[road.startSpot][road.endSpot].road = r;
    }
    weighAllRoads(graph, map, c);
}

void selectCriterion(RouteCriterion& criterion, Criterion c, RouteGraph& graph, const MapModel& map) {
    const RouteCriterion only = onlyCriterion(c);
    if (std::equal(std::begin(only.flags), std::end(only.flags), std::begin(criterion.flags))) return;
    criterion = only;
    weighAllRoads(graph, map, c);
}
