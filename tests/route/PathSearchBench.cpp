// Search and walk on the largest map the arrays hold: 99 spots in a ring of
// 99 roads with uneven lengths, from spot 1 to the far side of the ring.
#include <benchmark/benchmark.h>

#include <memory>

#include "route/PathSearch.h"
#include "route/RouteGraph.h"

namespace {

std::unique_ptr<MapModel> ringMap() {
    auto map = std::make_unique<MapModel>();
    map->spotCount = kTableRows - 1;
    map->roadCount = kTableRows - 1;
    unsigned lcg = 12345;
    for (int n = 1; n <= map->roadCount; ++n) {
        lcg = lcg * 1103515245u + 12345u;
        Road& road = map->roads[n];
        road.number = n;
        road.startSpot = n;
        road.endSpot = n % map->spotCount + 1;
        road.length = static_cast<float>(100 + (lcg >> 16) % 900);
    }
    return map;
}

void findAndWalkRoute(benchmark::State& state) {
    const std::unique_ptr<MapModel> map = ringMap();
    auto graph = std::make_unique<RouteGraph>();
    buildGraph(*graph, *map, Criterion::Distance);
    int steps = 0;
    for (auto _ : state) {
        PathSearch search;
        const bool found = findRoute(*graph, 1, 50, search);
        walkRoute(*graph, 1, 50, search, [&steps](const RouteStep&) { ++steps; });
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(steps);
    }
    if (steps == 0) state.SkipWithError("no route walked");
}

}  // namespace

BENCHMARK(findAndWalkRoute);
