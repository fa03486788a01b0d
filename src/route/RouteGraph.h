#pragma once
// The weight matrix the path search runs over: one cell per pair of spot
// numbers, holding the weight of the road that joins them and that road's
// number. Row and column 0 hold nothing.
#include "map/MapModel.h"
#include "route/Criterion.h"

// The weight of a cell that no road joins.
constexpr int kNoRoad = 999999;

struct WeightCell {
    int weight = kNoRoad;
    int road = 0;  // number of the road joining the two spots; 0 none yet
};

struct RouteGraph {
    WeightCell cells[kTableRows][kTableRows];
    int vertexCount = 0;  // spots 1 .. vertexCount are the vertices
};

// True when a road joins the cell's two spots.
inline bool hasRoad(const WeightCell& cell) { return cell.weight != kNoRoad; }

// Weighs every road under the criterion into both of its cells; road numbers
// are left as they are. Roads whose ends are not existing spots are skipped.
void weighAllRoads(RouteGraph& graph, const MapModel& map, Criterion c);

// Resets the matrix for the map's spots, records which road joins each pair
// (of several roads between one pair the highest-numbered one) and weighs
// every road under the criterion. Run at start-up and after every rebuild.
void buildGraph(RouteGraph& graph, const MapModel& map, Criterion c);

// Makes c the only set flag and reweighs every road with it; nothing happens
// when c is already the current criterion.
void selectCriterion(RouteCriterion& criterion, Criterion c, RouteGraph& graph, const MapModel& map);
