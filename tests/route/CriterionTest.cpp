#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

#include "base/TextConvert.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"
#include "route/RouteReport.h"
#include "support/RouteMap.h"

namespace {

// One road of the given type, length and limit between two spots.
struct OneRoad {
    Spot a;
    Spot b;
    Road road;

    OneRoad(float costA, float costB, int ratingA, int ratingB, const wchar_t* type = kOrdinary) {
        a.cost = costA;
        b.cost = costB;
        a.rating = ratingA;
        b.rating = ratingB;
        road.type = type;
        road.length = 1234.f;
        road.speedLimit = 80;
        road.congestion = 1.f;
    }
    int weight(Criterion c) const { return roadWeight(road, a, b, c); }
};

}  // namespace

TEST(RoadWeight, EachCriterionWeighsItsOwnProperty) {
    const OneRoad ordinary(10.f, 15.f, 3, 4);
    EXPECT_EQ(ordinary.weight(Criterion::Distance), 1234);
    EXPECT_EQ(ordinary.weight(Criterion::Cost), 12);  // 12.5 truncated
    EXPECT_EQ(ordinary.weight(Criterion::Speed), 55);  // 1234 m at 80 km/h: 55.53 s
    EXPECT_EQ(ordinary.weight(Criterion::Rating), 4);  // 11 - (3 + 4)
    EXPECT_EQ(ordinary.weight(Criterion::HighwayFirst), 1000);
    EXPECT_EQ(ordinary.weight(Criterion::OrdinaryFirst), 1);
    EXPECT_EQ(ordinary.weight(Criterion::FewestRoads), 100);

    const OneRoad highway(10.f, 15.f, 4, 5, kHighway);
    EXPECT_EQ(highway.weight(Criterion::Rating), 2);  // 11 - (4 + 5)
    EXPECT_EQ(highway.weight(Criterion::HighwayFirst), 1);
    EXPECT_EQ(highway.weight(Criterion::OrdinaryFirst), 1000);
    EXPECT_EQ(highway.weight(Criterion::FewestRoads), 100);
}

TEST(RoadWeight, IsTheSameInBothDirections) {
    const OneRoad road(10.7f, 3.2f, 2, 5, kHighway);
    for (int c = 0; c < kCriterionCount; ++c) {
        const Criterion criterion = static_cast<Criterion>(c);
        EXPECT_EQ(roadWeight(road.road, road.a, road.b, criterion), roadWeight(road.road, road.b, road.a, criterion))
            << "criterion " << c;
    }
}

TEST(RoadWeight, FractionsAreTruncatedTowardZero) {
    OneRoad road(10.5f, 10.5f, -3, 0);
    road.road.length = 99.9f;
    EXPECT_EQ(road.weight(Criterion::Distance), 99);
    EXPECT_EQ(road.weight(Criterion::Cost), 10);
    EXPECT_EQ(road.weight(Criterion::Rating), 9);  // ratings below 1 count as 1 star
    road.a.cost = -3.f;
    road.b.cost = 0.f;
    EXPECT_EQ(road.weight(Criterion::Cost), -1);
    // The half sum is taken in single precision: 0.1f + 0.2f halves to 0.15.
    road.a.cost = 0.1f;
    road.b.cost = 0.2f;
    EXPECT_EQ(road.weight(Criterion::Cost), 0);
}

TEST(RoadWeight, TypeMustMatchExactly) {
    OneRoad road(0.f, 0.f, 0, 0, L"乡间小路");
    EXPECT_EQ(road.weight(Criterion::HighwayFirst), 1);
    EXPECT_EQ(road.weight(Criterion::OrdinaryFirst), 1);
    road.road.type = L"普通道路 ";
    EXPECT_EQ(road.weight(Criterion::HighwayFirst), 1);
    road.road.type = L"";
    EXPECT_EQ(road.weight(Criterion::OrdinaryFirst), 1);
}

TEST(RoadWeight, HugeValuesStopJustBelowTheNoRoadWeight) {
    OneRoad road(1e30f, 1e30f, INT_MAX, INT_MAX);
    road.road.length = 3e9f;
    EXPECT_EQ(road.weight(Criterion::Distance), kNoRoad - 1);
    EXPECT_EQ(road.weight(Criterion::Cost), kNoRoad - 1);
    EXPECT_EQ(road.weight(Criterion::Speed), kNoRoad - 1);
    EXPECT_EQ(road.weight(Criterion::Rating), 1);
    road.a.rating = INT_MIN;
    road.b.rating = INT_MIN;
    EXPECT_EQ(road.weight(Criterion::Rating), 9);
}

TEST(RoadWeight, SpeedIsTheDrivingTimeAtTheLimitInWholeSeconds) {
    const struct {
        float length;
        int limit;
        int seconds;
    } cases[] = {
        // 55.53 s, 0.3 s, 999997.2 s, 1000000.8 s; then roads without a limit.
        {1000.f, 60, 60},      {1234.f, 80, 55},           {10.f, 120, 1},           {-3e9f, 1, 1},
        {277777.f, 1, 999997}, {277778.f, 1, kNoRoad - 1}, {1000.f, 0, kNoRoad - 1}, {1000.f, -40, kNoRoad - 1}};
    for (const auto& c : cases) {
        OneRoad road(0.f, 0.f, 3, 3);
        road.road.length = c.length;
        road.road.speedLimit = c.limit;
        EXPECT_EQ(road.weight(Criterion::Speed), c.seconds) << c.length << " m at " << c.limit << " km/h";
    }
}

TEST(RoadWeight, SpeedSlowsTheLimitByTheCongestion) {
    // 1000 m at 60 km/h: 60 s free-flowing, twice as long at half the speed;
    // a standstill cannot be timed.
    const std::pair<float, int> cases[] = {
        {1.f, 60}, {0.5f, 120}, {0.25f, 240}, {0.f, kNoRoad - 1}, {-0.5f, kNoRoad - 1}};
    for (const auto& [congestion, seconds] : cases) {
        OneRoad road(0.f, 0.f, 3, 3);
        road.road.length = 1000.f;
        road.road.speedLimit = 60;
        road.road.congestion = congestion;
        EXPECT_EQ(road.weight(Criterion::Speed), seconds) << congestion;
    }
}

TEST(RoadWeight, RatingWeighsTheBetterRatedLighter) {
    const int cases[][3] = {{5, 5, 1}, {1, 1, 9}, {3, 4, 4}, {0, 7, 5}, {-3, 2, 8}};
    for (const auto& [ratingA, ratingB, weight] : cases)
        EXPECT_EQ(OneRoad(0.f, 0.f, ratingA, ratingB).weight(Criterion::Rating), weight) << ratingA << ", " << ratingB;
}

TEST(CriterionTag, NamesEveryCriterion) {
    const std::pair<Criterion, const wchar_t*> tags[] = {
        {Criterion::Distance, L"(距离优先)"},     {Criterion::Cost, L"(花费优先)"},
        {Criterion::Speed, L"(速度优先)"},        {Criterion::Rating, L"(评价优先)"},
        {Criterion::HighwayFirst, L"(高速优先)"}, {Criterion::OrdinaryFirst, L"(普通优先)"},
        {Criterion::FewestRoads, L"(路径最少)"}};
    for (const auto& [criterion, tag] : tags) {
        EXPECT_EQ(criterionTag(onlyCriterion(criterion)), tag);
        EXPECT_EQ(currentCriterion(onlyCriterion(criterion)), criterion);
    }
}

TEST(CriterionTag, DefaultIsDistanceAndNoFlagGivesNoTag) {
    const RouteCriterion fresh;
    EXPECT_EQ(currentCriterion(fresh), Criterion::Distance);
    EXPECT_EQ(criterionTag(fresh), L"(距离优先)");
    RouteCriterion none;
    for (bool& flag : none.flags) flag = false;
    EXPECT_EQ(criterionTag(none), L"");
}

TEST(CriterionTag, FlagsAreReadSpeedCostRatingDistanceThenTheRest) {
    RouteCriterion all;
    for (bool& flag : all.flags) flag = true;
    EXPECT_EQ(criterionTag(all), L"(速度优先)");
    all.flags[criterionIndex(Criterion::Speed)] = false;
    EXPECT_EQ(criterionTag(all), L"(花费优先)");
    all.flags[criterionIndex(Criterion::Cost)] = false;
    EXPECT_EQ(criterionTag(all), L"(评价优先)");
    all.flags[criterionIndex(Criterion::Rating)] = false;
    EXPECT_EQ(criterionTag(all), L"(距离优先)");
    all.flags[criterionIndex(Criterion::Distance)] = false;
    EXPECT_EQ(criterionTag(all), L"(高速优先)");
    // The weights follow the same flag as the tag.
    EXPECT_EQ(currentCriterion(all), Criterion::HighwayFirst);
}

TEST(SelectCriterion, SetsOneFlagAndReweighsBothCells) {
    RouteMap m;
    const int a = m.spot("10", 3);
    const int b = m.spot("15", 4);
    const int c = m.spot("20", 5);
    m.road(700, b, a);
    m.build();
    RouteCriterion criterion;

    selectCriterion(criterion, Criterion::Cost, *m.graph, *m.map);
    EXPECT_EQ(currentCriterion(criterion), Criterion::Cost);
    for (int i = 0; i < kCriterionCount; ++i) EXPECT_EQ(criterion.flags[i], i == criterionIndex(Criterion::Cost));
    EXPECT_EQ(m.graph->cells[a][b].weight, 12);
    EXPECT_EQ(m.graph->cells[b][a].weight, 12);
    // Pairs without a road keep the no-road weight.
    EXPECT_EQ(m.graph->cells[a][c].weight, kNoRoad);
    EXPECT_EQ(m.graph->cells[b][c].weight, kNoRoad);
    EXPECT_EQ(m.graph->cells[c][c].weight, kNoRoad);

    selectCriterion(criterion, Criterion::Distance, *m.graph, *m.map);
    EXPECT_EQ(m.graph->cells[a][b].weight, 700);
    EXPECT_EQ(m.graph->cells[b][a].weight, 700);
}

TEST(SelectCriterion, SelectingTheCurrentCriterionLeavesWeightsUntouched) {
    RouteMap m;
    const int a = m.spot();
    const int b = m.spot();
    const int r = m.road(700, b, a);
    m.build();
    RouteCriterion criterion;

    // A changed road only shows once the weights are computed again.
    m.roadAt(r).length = 50.f;
    selectCriterion(criterion, Criterion::Distance, *m.graph, *m.map);
    EXPECT_EQ(m.graph->cells[a][b].weight, 700);

    selectCriterion(criterion, Criterion::Speed, *m.graph, *m.map);
    m.roadAt(r).speedLimit = 5;
    selectCriterion(criterion, Criterion::Speed, *m.graph, *m.map);
    EXPECT_EQ(m.graph->cells[a][b].weight, 3);  // 50 m at 60 km/h, not at 5 km/h (36)
    EXPECT_EQ(criterionTag(criterion), L"(速度优先)");
}

// Which route each criterion picks from the same map.
class RouteChoice : public testing::Test {
protected:
    std::vector<int> routeUnder(Criterion c, int start, int end) {
        RouteCriterion criterion;
        selectCriterion(criterion, c, *m.graph, *m.map);
        return searchAndWalk(*m.graph, start, end).spots(start);
    }
    RouteMap m;
};

TEST_F(RouteChoice, HighwayFirstTakesThreeHighwaysOverOneOrdinaryRoad) {
    const int s = m.spot(), a = m.spot(), b = m.spot(), e = m.spot();
    m.road(400, a, s, kHighway);
    m.road(400, b, a, kHighway);
    m.road(400, e, b, kHighway);
    m.road(500, e, s, kOrdinary);
    m.build();
    EXPECT_EQ(routeUnder(Criterion::Distance, s, e), (std::vector<int>{s, e}));
    EXPECT_EQ(routeUnder(Criterion::HighwayFirst, s, e), (std::vector<int>{s, a, b, e}));
    EXPECT_EQ(routeUnder(Criterion::OrdinaryFirst, s, e), (std::vector<int>{s, e}));
    EXPECT_EQ(routeUnder(Criterion::FewestRoads, s, e), (std::vector<int>{s, e}));
}

TEST_F(RouteChoice, FewestRoadsIgnoresLength) {
    const int s = m.spot(), a = m.spot(), e = m.spot();
    m.road(100, a, s);
    m.road(100, e, a);
    m.road(1000, e, s);
    m.build();
    EXPECT_EQ(routeUnder(Criterion::Distance, s, e), (std::vector<int>{s, a, e}));
    EXPECT_EQ(routeUnder(Criterion::FewestRoads, s, e), (std::vector<int>{s, e}));
}

TEST_F(RouteChoice, SpeedTakesTheLongFastWayOverTheShortSlowRoad) {
    const int s = m.spot(), fast = m.spot(), e = m.spot();
    m.road(1000, e, s, kOrdinary, 30);     // 120 s
    m.road(1500, fast, s, kHighway, 120);  // 45 s
    m.road(1500, e, fast, kHighway, 120);  // 45 s
    m.build();
    EXPECT_EQ(routeUnder(Criterion::Distance, s, e), (std::vector<int>{s, e}));
    EXPECT_EQ(routeUnder(Criterion::Speed, s, e), (std::vector<int>{s, fast, e}));
}

TEST_F(RouteChoice, CostAndRatingPreferCheapAndWellRatedSpots) {
    const int s = m.spot("10", 3);
    const int dear = m.spot("500", 1);
    const int cheap = m.spot("20", 5);
    const int e = m.spot("10", 3);
    m.road(100, dear, s);
    m.road(100, e, dear);
    m.road(900, cheap, s);
    m.road(900, e, cheap);
    m.build();
    EXPECT_EQ(routeUnder(Criterion::Distance, s, e), (std::vector<int>{s, dear, e}));
    EXPECT_EQ(routeUnder(Criterion::Cost, s, e), (std::vector<int>{s, cheap, e}));
    EXPECT_EQ(routeUnder(Criterion::Rating, s, e), (std::vector<int>{s, cheap, e}));
}

namespace {

// The report's driving time of the route the graph gives (infinite when there
// is none) and its road count.
std::pair<float, int> drive(RouteMap& m, int start, int end) {
    const WalkedRoute route = searchAndWalk(*m.graph, start, end);
    RouteReport report = beginReport(m.spotAt(start));
    for (const RouteStep& step : route.steps) recordStep(report, m.spotAt(step.to), m.roadAt(step.road));
    return {route.found ? report.drivingTime : INFINITY, static_cast<int>(route.steps.size())};
}

}  // namespace

// Over random maps, each road at its own congestion (some at a standstill),
// the 速度优先 route is never slower to drive, by the report's own figure, than
// another criterion's route between the same two spots: at most one second a
// road slower, from the weights' whole seconds.
TEST(SpeedRoute, IsNeverSlowerToDriveThanAnotherCriterionsRoute) {
    std::mt19937 random(30);
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int trial = 0; trial < 40; ++trial) {
        RouteMap m;
        const int spots = 5 + trial % 12;
        for (int i = 0; i < spots; ++i) m.spot(std::to_string(below(100)), 1 + below(5));
        for (int i = 0; i < 2 * spots; ++i)
            m.road(100 + below(5000), 1 + below(spots), 1 + below(spots), below(2) ? kHighway : kOrdinary,
                   20 + below(101));
        m.build();
        for (int n = 1; n <= m.map->roadCount; ++n) m.roadAt(n).congestion = below(20) ? (1 + below(100)) / 100.f : 0.f;
        std::vector<std::pair<float, int>> fastest;
        buildGraph(*m.graph, *m.map, Criterion::Speed);
        for (int s = 1; s <= spots; ++s)
            for (int e = 1; e <= spots; ++e) fastest.push_back(drive(m, s, e));
        for (Criterion c : kCriteria) {
            buildGraph(*m.graph, *m.map, c);
            for (int s = 1, pair = 0; s <= spots; ++s)
                for (int e = 1; e <= spots; ++e, ++pair)
                    ASSERT_LE(fastest[pair].first, drive(m, s, e).first + fastest[pair].second / 3600.f + 1e-5f)
                        << "map " << trial << ", " << s << " → " << e << ", "
                        << consoleText(criterionCaption(c));
        }
    }
}
