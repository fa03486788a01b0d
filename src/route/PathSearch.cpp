#include "route/PathSearch.h"

namespace {

bool isVertex(const RouteGraph& graph, int spot) { return spot >= 1 && spot <= graph.vertexCount; }

// Heap order: the lesser distance first, the lower number among equals, so
// the heap's top is the spot a scan of all spots in number order would pick.
bool settlesBefore(const PathSearch& state, int a, int b) {
    return state.distance[a] < state.distance[b] || (state.distance[a] == state.distance[b] && a < b);
}

void place(PathSearch& state, int at, int spot) {
    state.heap[at] = spot;
    state.heapPlace[spot] = at;
}

void siftUp(PathSearch& state, int at) {
    const int spot = state.heap[at];
    while (at > 0) {
        const int parent = (at - 1) / 2;
        if (!settlesBefore(state, spot, state.heap[parent])) break;
        place(state, at, state.heap[parent]);
        at = parent;
    }
    place(state, at, spot);
}

void siftDown(PathSearch& state, int at) {
    const int spot = state.heap[at];
    for (;;) {
        int child = 2 * at + 1;
        if (child >= state.heapSize) break;
        if (child + 1 < state.heapSize && settlesBefore(state, state.heap[child + 1], state.heap[child])) ++child;
        if (!settlesBefore(state, state.heap[child], spot)) break;
        place(state, at, state.heap[child]);
        at = child;
    }
    place(state, at, spot);
}

// Distances only ever fall, so a spot already in the heap only moves up.
void pushOrRaise(PathSearch& state, int spot) {
    int at = state.heapPlace[spot];
    if (at < 0) {
        at = state.heapSize++;
        place(state, at, spot);
    }
    siftUp(state, at);
}

int popNearest(PathSearch& state) {
    const int spot = state.heap[0];
    state.heapPlace[spot] = -1;
    if (--state.heapSize > 0) {
        place(state, 0, state.heap[state.heapSize]);
        siftDown(state, 0);
    }
    return spot;
}

// Only cells with a road relax a distance, and only a strictly smaller total
// replaces one, so an equal route found later never displaces the earlier
// one (a direct road beats an equally heavy detour).
void relaxFrom(const RouteGraph& graph, int v, PathSearch& state) {
    const std::int64_t m = state.distance[v];
    const SpotNeighbours& around = graph.neighbours[v];
    for (int i = 0; i < around.count; ++i) {
        const int w = around.spots[i];
        const WeightCell& cell = graph.cells[v][w];
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
    remaining.reset(start);
    int current = start;
    int previous = 0;
    for (int step = 0; step < n; ++step) {
        int next = 0;
        int lightest = 0;
        const SpotNeighbours& around = graph.neighbours[current];
        for (int i = 0; i < around.count; ++i) {
            const int w = around.spots[i];
            const WeightCell& cell = graph.cells[current][w];
            if (!remaining[w] || w == previous || !hasRoad(cell)) continue;
            if (next == 0 || cell.weight < lightest) {
                next = w;
                lightest = cell.weight;
            }
        }
        if (next == 0) return;
        onStep(RouteStep{current, next, graph.cells[current][next].road});
        previous = current;
        current = next;
        remaining.reset(next);
    }
}
