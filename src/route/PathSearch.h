#pragma once
// Least-weight route between two spots over the weight matrix, and the walk
// that replays the found route one road at a time from the start.
#include <bitset>
#include <cstdint>
#include <functional>
#include <limits>

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

// One search's state. The arrays are indexed by spot number and filled for
// 0 .. n by each search (0 unused).
struct PathSearch {
    std::int64_t distance[kTableRows];  // least total weight found from the start
    bool settled[kTableRows];           // the spot's distance is final
    int previous[kTableRows];           // the spot before it on the best route found to it; 0 at the start
    // The reached, unsettled spots: a binary heap of keys ordered by
    // (distance, spot number), and each spot's place in it (-1 when not in it).
    std::int64_t heap[kTableRows];
    int heapSize = 0;
    int heapPlace[kTableRows];
    // The spots of the route found to the end, start included; the walk
    // removes each spot it reaches.
    SpotSet route;
    int start = 0;  // what the last search was asked, so a walk matches it
    int end = 0;
    int vertexCount = -1;
};

// Searches from start to end over the neighbour lists, settling spots in
// order of (distance, spot number) until the end is settled or no reached
// spot is left. True when the end can be reached; false when no road leads
// there (or a number is not a spot). Ties go to the spot first settled and,
// among equal distances, to the lower spot number.
bool findRoute(const RouteGraph& graph, int start, int end, PathSearch& state);

// After a successful search from start to end on this graph, calls onStep
// once per road of the route, in order from the start, at most n times.
// Consumes the search's route; does nothing after any other search.
void walkRoute(const RouteGraph& graph, int start, int end, PathSearch& state,
               const std::function<void(const RouteStep&)>& onStep);
