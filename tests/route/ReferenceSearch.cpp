#include "route/ReferenceSearch.h"

namespace {

bool isVertex(const RouteGraph& graph, int spot) { return spot >= 1 && spot <= graph.vertexCount; }

// The unsettled reached spot of least distance; the lowest number wins ties.
// 0 when none is left.
int nearestUnsettled(const ReferenceSearch& state, int n) {
    int best = 0;
    for (int v = 1; v <= n; ++v) {
        if (state.settled[v] || state.distance[v] == kUnreached) continue;
        if (best == 0 || state.distance[v] < state.distance[best]) best = v;
    }
    return best;
}

}  // namespace

bool referenceFindRoute(const RouteGraph& graph, int start, int end, ReferenceSearch& state) {
    const int n = graph.vertexCount;
    state.distance.assign(n + 1, kUnreached);
    state.settled.assign(n + 1, false);
    state.pathSet.assign(n + 1, SpotSet());
    if (!isVertex(graph, start) || !isVertex(graph, end)) return false;

    for (int v = 1; v <= n; ++v) {
        const WeightCell& cell = graph.cells[start][v];
        if (!hasRoad(cell)) continue;
        state.distance[v] = cell.weight;
        state.pathSet[v].set(start).set(v);
    }
    state.distance[start] = 0;
    state.settled[start] = true;

    // Only cells with a road relax a distance, and only a strictly smaller
    // total replaces one, so an equal route found later never displaces the
    // earlier one (a direct road beats an equally heavy detour).
    for (int v = nearestUnsettled(state, n); v != 0; v = nearestUnsettled(state, n)) {
        state.settled[v] = true;
        const std::int64_t m = state.distance[v];
        for (int w = 1; w <= n; ++w) {
            const WeightCell& cell = graph.cells[v][w];
            if (state.settled[w] || !hasRoad(cell)) continue;
            if (m + cell.weight < state.distance[w]) {
                state.distance[w] = m + cell.weight;
                state.pathSet[w] = state.pathSet[v];
                state.pathSet[w].set(w);
            }
        }
    }
    return state.distance[end] != kUnreached;
}

void referenceWalkRoute(const RouteGraph& graph, int start, int end, ReferenceSearch& state,
                        const std::function<void(const RouteStep&)>& onStep) {
    const int n = graph.vertexCount;
    if (!isVertex(graph, start) || !isVertex(graph, end)) return;
    if (state.pathSet.size() != static_cast<size_t>(n + 1)) return;  // no search ran on this graph

    // The end's path set holds exactly the spots of the route. From each spot
    // the next one is the remaining route spot behind the lightest road: a
    // later route spot is never joined by a road as light, or the search
    // would have gone that way. Each step removes one spot, so the walk ends.
    SpotSet& remaining = state.pathSet[end];
    remaining.reset(start);
    int current = start;
    int previous = 0;
    for (int step = 0; step < n; ++step) {
        int next = 0;
        for (int w = 1; w <= n; ++w) {
            const WeightCell& cell = graph.cells[current][w];
            if (!remaining[w] || w == previous || !hasRoad(cell)) continue;
            if (next == 0 || cell.weight < graph.cells[current][next].weight) next = w;
        }
        if (next == 0) return;
        onStep(RouteStep{current, next, graph.cells[current][next].road});
        previous = current;
        current = next;
        remaining.reset(next);
    }
}
