#include "route/PathSearch.h"

namespace {

bool isVertex(const RouteGraph& graph, int spot) { return spot >= 1 && spot <= graph.vertexCount; }

// The heap orders spots by (distance, spot number), so its top is the spot a
// scan of all spots in number order would pick: the least distance, the
// lowest number among equals. Both go into one key, distance * 128 + number,
// which orders the same way: numbers stay below 128 and distances (sums of
// at most 98 weights of 32 bits) stay far from the 64-bit limit.
constexpr std::int64_t kKeySpan = 128;
static_assert(kTableRows <= kKeySpan, "spot numbers must fit below the key span");

std::int64_t keyOf(const PathSearch& state, int spot) { return state.distance[spot] * kKeySpan + spot; }
int spotOf(std::int64_t key) { return static_cast<int>(key & (kKeySpan - 1)); }

void place(PathSearch& state, int at, std::int64_t key) {
    state.heap[at] = key;
    state.heapPlace[spotOf(key)] = at;
}

void siftUp(PathSearch& state, int at, std::int64_t key) {
    while (at > 0) {
        const int parent = (at - 1) / 2;
        if (state.heap[parent] <= key) break;
        place(state, at, state.heap[parent]);
        at = parent;
    }
    place(state, at, key);
}

void siftDown(PathSearch& state, int at, std::int64_t key) {
    for (;;) {
        int child = 2 * at + 1;
        if (child >= state.heapSize) break;
        if (child + 1 < state.heapSize && state.heap[child + 1] < state.heap[child]) ++child;
        if (key <= state.heap[child]) break;
        place(state, at, state.heap[child]);
        at = child;
    }
    place(state, at, key);
}

// Distances only ever fall, so a spot already in the heap only moves up.
void pushOrRaise(PathSearch& state, int spot) {
    int at = state.heapPlace[spot];
    if (at < 0) at = state.heapSize++;
    siftUp(state, at, keyOf(state, spot));
}

int popNearest(PathSearch& state) {
    const int spot = spotOf(state.heap[0]);
    state.heapPlace[spot] = -1;
    if (--state.heapSize > 0) siftDown(state, 0, state.heap[state.heapSize]);
    return spot;
}

// Only cells with a road relax a distance, and only a strictly smaller total
// replaces one, so an equal route found later never displaces the earlier
// one (a direct road beats an equally heavy detour).
inline void relaxFrom(const RouteGraph& graph, int v, PathSearch& state) {
    const std::int64_t m = state.distance[v];
    const SpotNeighbours& around = graph.neighbours[v];
    const WeightCell* row = graph.cells[v];
    for (int i = 0, count = around.count; i < count; ++i) {
        const int w = around.spots[i];
        const WeightCell& cell = row[w];
        if (state.settled[w] || !hasRoad(cell)) continue;
        if (m + cell.weight < state.distance[w]) {
            state.distance[w] = m + cell.weight;
            state.previous[w] = v;
            pushOrRaise(state, w);
        }
    }
}

}  // namespace

bool findRoute(const RouteGraph& graph, int start, int end, PathSearch& state) {
    const int n = graph.vertexCount;
    state.start = start;
    state.end = end;
    state.vertexCount = n;
    state.route.reset();
    state.heapSize = 0;
    if (!isVertex(graph, start) || !isVertex(graph, end)) return false;
    for (int v = 0; v <= n; ++v) {
        state.distance[v] = kUnreached;
        state.settled[v] = false;
        state.previous[v] = 0;
        state.heapPlace[v] = -1;
    }
    state.distance[start] = 0;
    state.settled[start] = true;
    relaxFrom(graph, start, state);
    // A settled spot is never relaxed again, so the end's distance and route
    // are final once it is settled and the rest of the map can be left.
    while (!state.settled[end] && state.heapSize > 0) {
        const int v = popNearest(state);
        state.settled[v] = true;
        relaxFrom(graph, v, state);
    }
    if (state.distance[end] == kUnreached) return false;
    for (int v = end; v != start; v = state.previous[v]) state.route.set(v);
    state.route.set(start);
    return true;
}

void walkRoute(const RouteGraph& graph, int start, int end, PathSearch& state,
               const std::function<void(const RouteStep&)>& onStep) {
    const int n = graph.vertexCount;
    if (!isVertex(graph, start) || !isVertex(graph, end)) return;
    if (state.vertexCount != n || state.start != start || state.end != end) return;  // no such search ran

    // The route set holds exactly the spots of the route. From each spot the
    // next one is the remaining route spot behind the lightest road, the
    // lower number among equals: a later route spot is never joined by a
    // road as light, or the search would have gone that way. Each step
    // removes one spot, so the walk ends.
    SpotSet& remaining = state.route;
    const SpotSet& onRoute = remaining;
    remaining.reset(start);
    int current = start;
    int previous = 0;
    for (int step = 0; step < n; ++step) {
        int next = 0;
        int lightest = 0;
        const SpotNeighbours& around = graph.neighbours[current];
        const WeightCell* row = graph.cells[current];
        for (int i = 0, count = around.count; i < count; ++i) {
            const int w = around.spots[i];
            if (!onRoute[w] || w == previous || !hasRoad(row[w])) continue;
            if (next == 0 || row[w].weight < lightest) {
                next = w;
                lightest = row[w].weight;
            }
        }
        if (next == 0) return;
        onStep(RouteStep{current, next, row[next].road});
        previous = current;
        current = next;
        remaining.reset(next);
    }
}
