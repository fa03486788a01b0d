#include "route/RouteComparison.h"

#include <memory>

#include "route/PathSearch.h"
#include "route/RouteGraph.h"

RouteComparison compareCriteria(const MapModel& map, int start, int end) {
    RouteComparison comparison;
    // One matrix, weighed anew for each criterion: built as the graph in
    // force is, so the criterion in force finds the very route shown.
    auto graph = std::make_unique<RouteGraph>();
    PathSearch search;
    for (Criterion c : kCriteria) {
        buildGraph(*graph, map, c);
        CriterionRoute& route = comparison.routes[criterionIndex(c)];
        route.found = findRoute(*graph, start, end, search);
        if (!route.found) continue;
        route.report = beginReport(map.spots[start]);
        walkRoute(*graph, start, end, search, [&](const RouteStep& step) {
            recordStep(route.report, map.spots[step.to], map.roads[step.road]);
        });
    }
    return comparison;
}

std::wstring comparisonFigures(const CriterionRoute& route) {
    if (!route.found) return L"无法到达";
    return distanceText(route.report) + L" " + drivingText(route.report) + L" " + costText(route.report);
}
