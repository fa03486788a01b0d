#pragma once
// The route search and walk as the program first had them: every settled
// spot scans its whole matrix row, the nearest unsettled spot is found by a
// scan of all spots, and each spot keeps the set of spots on its best route.
// Kept only so tests can check that the program's search finds the same
// routes and walks the same steps.
#include <functional>
#include <vector>

#include "route/PathSearch.h"

struct ReferenceSearch {
    std::vector<std::int64_t> distance;
    std::vector<bool> settled;
    std::vector<SpotSet> pathSet;
};

bool referenceFindRoute(const RouteGraph& graph, int start, int end, ReferenceSearch& state);

void referenceWalkRoute(const RouteGraph& graph, int start, int end, ReferenceSearch& state,
                        const std::function<void(const RouteStep&)>& onStep);
