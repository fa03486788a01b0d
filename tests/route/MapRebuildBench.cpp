// The rebuild after an edit on a full map of 99 spots and 99 roads: every
// spot and road built again from its row, the bars laid, and the weight
// matrix and neighbour lists rebuilt and reweighed. Spots get no pictures
// here (no window), which the program's rebuild only points them at.
#include <benchmark/benchmark.h>

#include <sstream>

#include "route/MapRebuild.h"
#include "support/RouteMap.h"

namespace {

void rebuildFullMap(benchmark::State& state) {
    RouteMap m;
    for (int i = 0; i < 99; ++i) m.spot(std::to_string(10 + i % 50), i % 6);
    for (int n = 1; n <= 99; ++n) m.road(100 + 37 * n % 900, n % 99 + 1, n, n % 3 == 0 ? kHighway : kOrdinary);
    m.build();
    std::ostringstream console;
    const RouteCriterion criterion;
    for (auto _ : state) {
        rebuildMap(*m.map, SpotTextures{}, *m.graph, criterion, console);
        benchmark::DoNotOptimize(m.graph->cells[1][2].weight);
    }
    if (m.map->spotCount != 99 || m.map->roadCount != 99 || !console.str().empty())
        state.SkipWithError("the map did not rebuild whole");
}

}  // namespace

BENCHMARK(rebuildFullMap)->Unit(benchmark::kMicrosecond);
