#include <gtest/gtest.h>

#include "route/PathSearch.h"
#include "route/RouteReport.h"
#include "support/RouteMap.h"

using Spots = std::vector<int>;

namespace {

// Every step leaves from where the previous one arrived, over the road the
// matrix knows for that pair, and the walk ends at the end spot.
void expectConnectedWalk(const RouteGraph& graph, const WalkedRoute& route, int start, int end) {
    int at = start;
    for (const RouteStep& step : route.steps) {
        EXPECT_EQ(step.from, at);
        EXPECT_NE(step.from, step.to);
        EXPECT_NE(graph.cells[step.from][step.to].weight, kNoRoad);
        EXPECT_EQ(step.road, graph.cells[step.from][step.to].road);
        at = step.to;
    }
    EXPECT_EQ(at, end);
}

}  // namespace

TEST(PathSearch, LighterTotalWinsAndEqualTotalKeepsTheDirectRoad) {
    RouteMap m;
    const int s = m.spot(), via = m.spot(), e = m.spot();
    const int direct = m.road(10, e, s);
    m.road(4, via, s);
    const int second = m.road(6, e, via);
    m.build();
    EXPECT_EQ(searchAndWalk(*m.graph, s, e).roads(), (std::vector<int>{direct}));
    EXPECT_EQ(searchAndWalk(*m.graph, e, s).spots(e), (Spots{e, s}));

    m.roadAt(second).length = 5.f;
    weighAllRoads(*m.graph, *m.map, Criterion::Distance);
    const WalkedRoute detour = searchAndWalk(*m.graph, s, e);
    EXPECT_EQ(detour.spots(s), (Spots{s, via, e}));
    expectConnectedWalk(*m.graph, detour, s, e);
}

TEST(PathSearch, EqualTotalFoundLaterNeverReplacesTheEarlierRoute) {
    // The direct road is known from the start; a detour of the same total is
    // found only after the middle spot is settled, and must not displace it.
    RouteMap m;
    const int s = m.spot(), e = m.spot(), via = m.spot();
    m.road(3, via, s);
    m.road(7, e, via);
    m.road(10, e, s);
    m.build();
    EXPECT_EQ(searchAndWalk(*m.graph, s, e).spots(s), (Spots{s, e}));
}

TEST(PathSearch, OfEqualDistancesTheLowerNumberIsSettledFirst) {
    // Spots 2 and 3 both lie 5 from the start and both reach spot 4 with 3
    // more: whichever is settled first sets spot 4's route.
    for (bool lowerRoadsFirst : {true, false}) {
        RouteMap m;
        for (int i = 0; i < 4; ++i) m.spot();
        if (lowerRoadsFirst) {
            m.road(5, 2, 1);
            m.road(3, 4, 2);
            m.road(5, 3, 1);
            m.road(3, 4, 3);
        } else {
            m.road(3, 4, 3);
            m.road(5, 3, 1);
            m.road(3, 4, 2);
            m.road(5, 2, 1);
        }
        m.build();
        EXPECT_EQ(searchAndWalk(*m.graph, 1, 4).spots(1), (Spots{1, 2, 4})) << lowerRoadsFirst;
        EXPECT_EQ(searchAndWalk(*m.graph, 4, 1).spots(4), (Spots{4, 2, 1})) << lowerRoadsFirst;
    }
}

TEST(PathSearch, SelfLoopsNeverTakePart) {
    RouteMap m;
    const int s = m.spot(), mid = m.spot(), e = m.spot(), lonely = m.spot();
    m.road(0, s, s);
    m.road(0, mid, mid);
    m.road(5, mid, s);
    m.road(0, e, e);
    m.road(5, e, mid);
    m.road(0, lonely, lonely);
    m.build();
    const WalkedRoute route = searchAndWalk(*m.graph, s, e);
    ASSERT_TRUE(route.found);
    EXPECT_EQ(route.spots(s), (Spots{s, mid, e}));
    expectConnectedWalk(*m.graph, route, s, e);
    // A spot whose only road leads back to itself reaches nothing.
    EXPECT_FALSE(searchAndWalk(*m.graph, lonely, s).found);
    EXPECT_FALSE(searchAndWalk(*m.graph, s, lonely).found);
}

TEST(PathSearch, DuplicateRoadsUseTheHigherNumberInTheReport) {
    RouteMap m;
    const int a = m.spot("1"), b = m.spot("2");
    m.road(100, b, a, kHighway, 100);
    const int later = m.road(900, a, b, kOrdinary, 30);
    m.build();
    m.roadAt(later).congestion = 0.25f;

    const WalkedRoute route = searchAndWalk(*m.graph, a, b);
    ASSERT_EQ(route.roads(), (std::vector<int>{later}));
    RouteReport report = beginReport(m.spotAt(a));
    for (const RouteStep& step : route.steps) recordStep(report, m.spotAt(step.to), m.roadAt(step.road));
    EXPECT_EQ(report.lengthSum, 900);
    EXPECT_FLOAT_EQ(report.drivingTime, 900.f / (30000.f * 0.25f));
    EXPECT_NE(report.routeList.find(L"拥堵系数:0.25"), std::wstring::npos);
}

TEST(PathSearch, UnreachableEndGivesNoRouteAndNoSteps) {
    RouteMap m;
    const int a = m.spot(), b = m.spot(), c = m.spot(), d = m.spot();
    m.road(10, b, a);
    m.road(10, d, c);
    m.build();
    PathSearch state;
    EXPECT_FALSE(findRoute(*m.graph, a, d, state));
    int steps = 0;
    walkRoute(*m.graph, a, d, state, [&steps](const RouteStep&) { ++steps; });
    EXPECT_EQ(steps, 0);
    EXPECT_TRUE(findRoute(*m.graph, c, d, state));
}

TEST(PathSearch, StartWithoutRoadsGivesNoRoute) {
    RouteMap m;
    const int alone = m.spot(), b = m.spot(), c = m.spot();
    m.road(10, c, b);
    m.build();
    EXPECT_FALSE(searchAndWalk(*m.graph, alone, c).found);
    EXPECT_FALSE(searchAndWalk(*m.graph, c, alone).found);
}

TEST(PathSearch, RoadsWithEndsOutsideTheSpotsAreIgnored) {
    RouteMap m;
    const int a = m.spot(), b = m.spot(), c = m.spot();
    m.road(10, b, a);
    m.road(1, 4, b);  // would join b and c through a spot that does not exist
    m.road(1, c, 4);
    m.road(1, c, 0);
    m.road(1, kTableRows + 5, c);
    m.build();
    EXPECT_TRUE(searchAndWalk(*m.graph, a, b).found);
    EXPECT_FALSE(searchAndWalk(*m.graph, a, c).found);
    // Numbers that are no spots are no route either, and nothing is read
    // outside the matrix.
    EXPECT_FALSE(searchAndWalk(*m.graph, a, 0).found);
    EXPECT_FALSE(searchAndWalk(*m.graph, a, 4).found);
    EXPECT_FALSE(searchAndWalk(*m.graph, -1, b).found);
    EXPECT_FALSE(searchAndWalk(*m.graph, a, 1000).found);
}

TEST(PathSearch, TotalsAboveTheNoRoadWeightStillReachTheEnd) {
    // Long roads whose sums pass 999999 must neither stop the search at the
    // middle spot nor be mistaken for missing roads.
    RouteMap m;
    const int s = m.spot(), a = m.spot(), b = m.spot(), e = m.spot(), far = m.spot();
    m.road(600000, a, s);
    m.road(600000, b, a);
    m.road(10, e, b);
    m.road(1500000, far, e);
    m.build();
    const WalkedRoute route = searchAndWalk(*m.graph, s, e);
    ASSERT_TRUE(route.found);
    EXPECT_EQ(route.spots(s), (Spots{s, a, b, e}));
    const WalkedRoute longest = searchAndWalk(*m.graph, s, far);
    ASSERT_TRUE(longest.found);
    EXPECT_EQ(longest.spots(s), (Spots{s, a, b, e, far}));
}

TEST(PathSearch, ZeroWeightShortcutsStillGiveAConnectedWalkToTheEnd) {
    // All costs 0: every road weighs 0 under cost, so every route is
    // equally light and the walk has only the path set to go by.
    RouteMap m;
    for (int i = 0; i < 5; ++i) m.spot("0", 0);
    m.road(1, 2, 1);
    m.road(1, 3, 2);
    m.road(1, 4, 3);
    m.road(1, 5, 4);
    m.road(1, 3, 1);
    m.road(1, 5, 2);
    m.road(1, 4, 1);
    m.build(Criterion::Cost);
    for (int e = 2; e <= 5; ++e) {
        const WalkedRoute route = searchAndWalk(*m.graph, 1, e);
        ASSERT_TRUE(route.found) << e;
        expectConnectedWalk(*m.graph, route, 1, e);
    }
    EXPECT_EQ(searchAndWalk(*m.graph, 1, 5).spots(1), (Spots{1, 2, 5}));
}

TEST(PathSearch, WalkFollowsALongRouteInOrder) {
    // A chain 1 - 2 - ... - 12 with lighter shortcuts that only skip ahead.
    RouteMap m;
    for (int i = 0; i < 12; ++i) m.spot();
    for (int i = 1; i < 12; ++i) m.road(10, i + 1, i);
    m.road(25, 4, 1);  // 1 -> 4 for 25 instead of 30
    m.road(21, 9, 7);  // 7 -> 9 for 21 instead of 20: not taken
    m.build();
    const WalkedRoute route = searchAndWalk(*m.graph, 1, 12);
    ASSERT_TRUE(route.found);
    EXPECT_EQ(route.spots(1), (Spots{1, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    expectConnectedWalk(*m.graph, route, 1, 12);
    const WalkedRoute back = searchAndWalk(*m.graph, 12, 1);
    EXPECT_EQ(back.spots(12), (Spots{12, 11, 10, 9, 8, 7, 6, 5, 4, 1}));
}

TEST(PathSearch, WalkWithoutASearchDoesNothing) {
    RouteMap m;
    m.spot();
    m.spot();
    m.road(10, 2, 1);
    m.build();
    PathSearch state;
    int steps = 0;
    walkRoute(*m.graph, 1, 2, state, [&steps](const RouteStep&) { ++steps; });
    EXPECT_EQ(steps, 0);
}

TEST(PathSearch, WalkFollowsOnlyTheSearchJustRunAndOnlyOnce) {
    RouteMap m;
    for (int i = 0; i < 3; ++i) m.spot();
    m.road(10, 2, 1);
    m.road(10, 3, 2);
    m.build();
    PathSearch state;
    ASSERT_TRUE(findRoute(*m.graph, 1, 3, state));
    int steps = 0;
    auto count = [&steps](const RouteStep&) { ++steps; };
    walkRoute(*m.graph, 1, 2, state, count);
    EXPECT_EQ(steps, 0);
    walkRoute(*m.graph, 1, 3, state, count);
    EXPECT_EQ(steps, 2);
    walkRoute(*m.graph, 1, 3, state, count);
    EXPECT_EQ(steps, 2);
}
