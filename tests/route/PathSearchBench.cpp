// The route search and its walk beside Boost.Graph's Dijkstra search and the
// read-back of its predecessors, on the same weighted graphs: every pair of
// spots the weight matrix joins becomes one edge of the same weight.
#include <benchmark/benchmark.h>

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <memory>
#include <vector>

#include "route/PathSearch.h"
#include "support/RouteMap.h"

namespace {

// Uneven road lengths, the same on every run.
struct Lengths {
    unsigned state = 12345;
    int next() {
        state = state * 1103515245u + 12345u;
        return static_cast<int>(100 + (state >> 16) % 900);
    }
};

struct BenchMap {
    RouteMap route;
    int start = 1;
    int end = 1;
};

void addSpots(RouteMap& m, int count) {
    for (int i = 0; i < count; ++i) m.spot();
}

// 99 spots in a ring of 99 roads, from spot 1 to the far side.
void ring(BenchMap& b) {
    Lengths lengths;
    addSpots(b.route, 99);
    for (int n = 1; n <= 99; ++n) b.route.road(lengths.next(), n % 99 + 1, n);
    b.end = 50;
}

// 99 spots in 11 rows of 9: every row joined along its length (88 roads),
// the first column joined down its length (10) and one road between rows 6
// and 7 in the last column; from one corner to the opposite one.
void grid(BenchMap& b) {
    Lengths lengths;
    addSpots(b.route, 99);
    auto at = [](int row, int column) { return row * 9 + column + 1; };
    for (int row = 0; row < 11; ++row)
        for (int column = 0; column < 8; ++column) b.route.road(lengths.next(), at(row, column + 1), at(row, column));
    for (int row = 0; row < 10; ++row) b.route.road(lengths.next(), at(row + 1, 0), at(row, 0));
    b.route.road(lengths.next(), at(6, 8), at(5, 8));
    b.end = at(10, 8);
}

// 40 spots: a ring of 40 roads and 59 more between spots drawn at random.
void dense(BenchMap& b) {
    Lengths lengths;
    addSpots(b.route, 40);
    for (int n = 1; n <= 40; ++n) b.route.road(lengths.next(), n % 40 + 1, n);
    unsigned state = 777;
    auto spot = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>(1 + (state >> 16) % 40);
    };
    for (int n = 0; n < 59; ++n) {
        const int a = spot();
        int c = spot();
        if (c == a) c = a % 40 + 1;
        b.route.road(lengths.next(), c, a);
    }
    b.end = 21;
}

// 99 spots: a ring of 98 roads with one chord across it, and spot 99 that no
// road reaches.
void unreachable(BenchMap& b) {
    Lengths lengths;
    addSpots(b.route, 99);
    for (int n = 1; n <= 98; ++n) b.route.road(lengths.next(), n % 98 + 1, n);
    b.route.road(lengths.next(), 50, 1);
    b.end = 99;
}

// Built outside the timed loop, and again for every run of a benchmark.
std::unique_ptr<BenchMap> benchMap(void (*make)(BenchMap&)) {
    auto b = std::make_unique<BenchMap>();
    make(*b);
    b->route.build();
    return b;
}

void program(benchmark::State& state, void (*make)(BenchMap&)) {
    const std::unique_ptr<BenchMap> built = benchMap(make);
    const BenchMap& b = *built;
    const RouteGraph& graph = *b.route.graph;
    int steps = 0;
    for (auto _ : state) {
        PathSearch search;
        const bool found = findRoute(graph, b.start, b.end, search);
        walkRoute(graph, b.start, b.end, search, [&steps](const RouteStep&) { ++steps; });
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(steps);
    }
    state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}

using BoostGraph = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS, boost::no_property,
                                         boost::property<boost::edge_weight_t, int>>;
using BoostVertex = boost::graph_traits<BoostGraph>::vertex_descriptor;

void library(benchmark::State& state, void (*make)(BenchMap&)) {
    const std::unique_ptr<BenchMap> built = benchMap(make);
    const BenchMap& b = *built;
    const RouteGraph& graph = *b.route.graph;
    const int n = graph.vertexCount;
    BoostGraph g(n + 1);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (hasRoad(graph.cells[i][j])) boost::add_edge(i, j, graph.cells[i][j].weight, g);
    std::vector<BoostVertex> predecessor(n + 1);
    std::vector<int> distance(n + 1);
    std::vector<BoostVertex> path(n + 1);
    const BoostVertex start = b.start;
    const BoostVertex end = b.end;
    int steps = 0;
    for (auto _ : state) {
        boost::dijkstra_shortest_paths(g, start, boost::predecessor_map(predecessor.data()).distance_map(distance.data()));
        int length = 0;
        if (predecessor[end] != end)
            for (BoostVertex v = end; v != start; v = predecessor[v]) path[length++] = v;
        steps += length;
        benchmark::DoNotOptimize(path.data());
        benchmark::DoNotOptimize(steps);
    }
    state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK_CAPTURE(program, ring, ring);
BENCHMARK_CAPTURE(library, ring, ring);
BENCHMARK_CAPTURE(program, grid, grid);
BENCHMARK_CAPTURE(library, grid, grid);
BENCHMARK_CAPTURE(program, dense, dense);
BENCHMARK_CAPTURE(library, dense, dense);
BENCHMARK_CAPTURE(program, unreachable, unreachable);
BENCHMARK_CAPTURE(library, unreachable, unreachable);
