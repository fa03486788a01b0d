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

// Inserts the spot into the list in number order unless it is there already.
void addNeighbour(SpotNeighbours& list, int spot) {
    int at = 0;
    while (at < list.count && list.spots[at] < spot) ++at;
    if (at < list.count && list.spots[at] == spot) return;
    for (int i = list.count; i > at; --i) list.spots[i] = list.spots[i - 1];
    list.spots[at] = static_cast<std::uint8_t>(spot);
    ++list.count;
}

// Only vertices are listed: the search never looks past the vertex count.
void addNeighbours(RouteGraph& graph, int a, int b) {
    if (a == b || a > graph.vertexCount || b > graph.vertexCount) return;
    addNeighbour(graph.neighbours[a], b);
    addNeighbour(graph.neighbours[b], a);
}

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
        addNeighbours(graph, a, b);
    }
}

void buildGraph(RouteGraph& graph, const MapModel& map, Criterion c) {
    graph.vertexCount = std::clamp(map.spotCount, 0, kMaxVertex);
    const int n = graph.vertexCount;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) graph.cells[i][j].weight = kNoRoad;
    for (SpotNeighbours& list : graph.neighbours) list.count = 0;
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
