#include <gtest/gtest.h>

#include <random>
#include <string>

#include "route/ReferenceSearch.h"
#include "support/RouteMap.h"

namespace {

constexpr int kMaps = 300;
constexpr int kPairsPerCriterion = 12;

// A map of up to 99 spots and 99 roads drawn from the generator. Some maps
// use a few small lengths (many equal totals), some costs of 0 (roads of
// weight 0) and ratings outside 1..5, some negative costs, some lengths whose
// sums pass 999999, and a quarter of the roads have no speed limit; roads
// may join a spot to itself, repeat a pair or name a spot that is not there.
void randomMap(RouteMap& m, std::mt19937& generator) {
    auto draw = [&generator](int low, int high) { return std::uniform_int_distribution<int>(low, high)(generator); };
    const int spots = draw(1, 99);
    const int roads = draw(0, 99);
    const int kind = draw(0, 3);
    for (int i = 0; i < spots; ++i) {
        const int cost = kind == 2 ? draw(-50, 50) : kind == 1 ? 0 : draw(0, 300);
        m.spot(std::to_string(cost), kind == 1 ? draw(-1, 7) : draw(0, 5));
    }
    const std::wstring types[] = {kHighway, kOrdinary, L"山路"};
    for (int r = 0; r < roads; ++r) {
        const int length = kind == 0 ? draw(1, 4) : kind == 3 ? draw(100000, 700000) : draw(0, 1000);
        const int end = draw(0, 9) == 0 ? draw(-1, spots + 2) : draw(1, spots);
        const int start = draw(0, 9) == 0 ? end : draw(1, spots);
        m.road(length, end, start, types[draw(0, 2)], draw(0, 3) * 40);
    }
}

WalkedRoute referenceSearchAndWalk(const RouteGraph& graph, int start, int end) {
    WalkedRoute route;
    ReferenceSearch state;
    route.found = referenceFindRoute(graph, start, end, state);
    if (route.found)
        referenceWalkRoute(graph, start, end, state, [&route](const RouteStep& step) { route.steps.push_back(step); });
    return route;
}

void expectSameSteps(const WalkedRoute& got, const WalkedRoute& expected, const std::string& where) {
    ASSERT_EQ(got.found, expected.found) << where;
    ASSERT_EQ(got.steps.size(), expected.steps.size()) << where;
    for (size_t i = 0; i < got.steps.size(); ++i) {
        EXPECT_EQ(got.steps[i].from, expected.steps[i].from) << where << " step " << i;
        EXPECT_EQ(got.steps[i].to, expected.steps[i].to) << where << " step " << i;
        EXPECT_EQ(got.steps[i].road, expected.steps[i].road) << where << " step " << i;
    }
}

}  // namespace

// Fixed generator states, so a failure repeats. The first criterion builds
// the graph, the others reweigh it as the settings page does.
TEST(PathSearchEquivalence, EveryCriterionOnRandomMapsGivesTheReferenceSteps) {
    int routesFound = 0;
    int stepsCompared = 0;
    for (int map = 0; map < kMaps; ++map) {
        std::mt19937 generator(20261207u + static_cast<unsigned>(map));
        RouteMap m;
        randomMap(m, generator);
        m.build();
        const int n = m.graph->vertexCount;
        RouteCriterion criterion;
        for (int c = 0; c < kCriterionCount; ++c) {
            selectCriterion(criterion, static_cast<Criterion>(c), *m.graph, *m.map);
            for (int pair = 0; pair <= kPairsPerCriterion; ++pair) {
                std::uniform_int_distribution<int> spot(pair == 0 ? 0 : 1, pair == 0 ? n + 1 : n);
                const int start = pair == kPairsPerCriterion ? 1 : spot(generator);
                const int end = pair == kPairsPerCriterion ? n : spot(generator);
                const WalkedRoute got = searchAndWalk(*m.graph, start, end);
                const std::string where = "map " + std::to_string(map) + " criterion " + std::to_string(c) +
                                          " from " + std::to_string(start) + " to " + std::to_string(end);
                expectSameSteps(got, referenceSearchAndWalk(*m.graph, start, end), where);
                if (got.found) ++routesFound;
                stepsCompared += static_cast<int>(got.steps.size());
            }
            if (HasFatalFailure()) return;
        }
    }
    // The maps must hold real routes, not only unreachable ends.
    EXPECT_GT(routesFound, kMaps * kCriterionCount * kPairsPerCriterion / 4);
    EXPECT_GT(stepsCompared, 10 * routesFound / 4);
}
