#pragma once
// Least-weight route between two spots over the weight matrix, and the walk
// that replays the found route one road at a time from the start.
#include <bitset>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "route/RouteGraph.h"

struct RouteStep {
    int from;
    int to;
    int road;  // number of the road between them
};

// The distance of a spot no road has reached yet. Sums are kept in 64 bits
// and compared against this rather than against the no-road weight, so a
// reachable spot whose total weight passes 999999 is still searched on from.
constexpr std::int64_t kUnreached = std::numeric_limits<std::int64_t>::max();

using SpotSet = std::bitset<kTableRows>;

// One search's state, indexed by spot number 0 .. n (0 unused).
struct PathSearch {
    std::vector<std::int64_t> distance;  // least total weight found from the start
    std::vector<bool> settled;           // the spot's distance is final
    std::vector<SpotSet> pathSet;        // spots on the best route found to each spot
};

// Searches from start to end. True when the end can be reached; false when
// no road leads there (or a number is not a spot). Ties go to the spot first
// settled and, among equal distances, to the lower spot number.
bool findRoute(const RouteGraph& graph, int start, int end, PathSearch& state);

// After a successful search, calls onStep once per road of the route, in
// order from the start, at most n times. Consumes the end's path set.
void walkRoute(const RouteGraph& graph, int start, int end, PathSearch& state,
               const std::function<void(const RouteStep&)>& onStep);
