#pragma once
// The weight matrix the path search runs over: one cell per pair of spot
// numbers, holding the weight of the road that joins them and that road's
// number. Row and column 0 hold nothing. Beside it, each spot's list of the
// spots a road joins it to, so a search need not scan whole rows.
#include <cstdint>

#include "map/MapModel.h"
#include "route/Criterion.h"

struct WeightCell {
    int weight = kNoRoad;
    int road = 0;  // number of the road joining the two spots; 0 none yet
};

// The other spots that roads join one spot to, each once, in increasing
// number. A self-loop is left out: it never takes part in a route.
struct SpotNeighbours {
    int count = 0;
    std::uint8_t spots[kTableRows];
};

struct RouteGraph {
    WeightCell cells[kTableRows][kTableRows];
    // Indexed by spot number. Every pair of vertices whose cell a road was
    // weighed into since the last build is listed; the cell's weight stays
    // the record of whether and how heavily a road joins them.
    SpotNeighbours neighbours[kTableRows];
    int vertexCount = 0;  // spots 1 .. vertexCount are the vertices
};

// True when a road joins the cell's two spots.
inline bool hasRoad(const WeightCell& cell) { return cell.weight != kNoRoad; }

// Weighs every road under the criterion into both of its cells and lists its
// two ends as neighbours; road numbers are left as they are. Roads whose ends
// are not existing spots are skipped.
void weighAllRoads(RouteGraph& graph, const MapModel& map, Criterion c);

// Resets the matrix and the neighbour lists for the map's spots, records
// which road joins each pair (of several roads between one pair the
// highest-numbered one) and weighs every road under the criterion. Run at start-up and after every rebuild.
void buildGraph(RouteGraph& graph, const MapModel& map, Criterion c);

// Makes c the only set flag and reweighs every road with it; nothing happens
// when c is already the current criterion.
void selectCriterion(RouteCriterion& criterion, Criterion c, RouteGraph& graph, const MapModel& map);
