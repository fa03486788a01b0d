// Every criterion's route between two far spots of a full map of 99 spots and
// 99 roads: seven weight matrices built, searched and walked, as a route
// report's comparison does after each route.
#include <benchmark/benchmark.h>

#include "route/RouteComparison.h"
#include "support/RouteMap.h"

namespace {

void compareOnFullMap(benchmark::State& state) {
    RouteMap m;
    for (int i = 0; i < 99; ++i) m.spot(std::to_string(10 + i % 50), i % 6);
    for (int n = 1; n <= 99; ++n) m.road(100 + 37 * n % 900, n % 99 + 1, n, n % 3 == 0 ? kHighway : kOrdinary);
    m.build();
    for (auto _ : state) {
        const RouteComparison comparison = compareCriteria(*m.map, 1, 50);
        benchmark::DoNotOptimize(comparison.routes[0].report.lengthSum);
    }
    if (!compareCriteria(*m.map, 1, 50).routes[0].found) state.SkipWithError("no route across the ring");
}

}  // namespace

BENCHMARK(compareOnFullMap)->Unit(benchmark::kMicrosecond);
