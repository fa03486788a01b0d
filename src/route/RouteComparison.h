#pragma once
// Every criterion side by side: the route each one finds between the same two
// spots, with the figures its report would give. Computed over the map as it
// is built now (the same congestion coefficients), each criterion over a
// weight matrix of its own, so the graph in force is left as it is.
#include <string>

#include "map/MapModel.h"
#include "route/Criterion.h"
#include "route/RouteReport.h"

struct CriterionRoute {
    bool found = false;
    RouteReport report;  // the sums of the walked route, when found
};

// By criterionIndex.
struct RouteComparison {
    CriterionRoute routes[kCriterionCount];
};

// Searches and walks from start to end under every criterion, summing each
// route exactly as the report does.
RouteComparison compareCriteria(const MapModel& map, int start, int end);

// One criterion's figures on one line: "5940m 0.12小时 745元", or 无法到达.
std::wstring comparisonFigures(const CriterionRoute& route);
