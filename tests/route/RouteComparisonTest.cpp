#include <gtest/gtest.h>

#include "route/RouteComparison.h"
#include "support/RouteMap.h"

namespace {

// From s to e five ways, each the best under some criterion: over a (short,
// slow, dear), b (all highway), c (fast), d (cheap, long) or directly (one
// road, the fewest). Every road at congestion 1.
class FiveWays : public testing::Test {
protected:
    void SetUp() override {
        s = m.spot("11", 3);
        const int a = m.spot("100", 1), b = m.spot("4", 5), c = m.spot("50", 5), d = m.spot("0", 3);
        e = m.spot("11", 3);
        m.road(500, a, s, kOrdinary, 20);
        m.road(500, e, a, kOrdinary, 20);
        m.road(2000, b, s, kHighway, 120);
        m.road(2000, e, b, kHighway, 120);
        m.road(1500, c, s, kOrdinary, 90);
        m.road(1500, e, c, kHighway, 120);
        m.road(2500, d, s, kOrdinary, 30);
        m.road(2500, e, d, kOrdinary, 30);
        m.road(3500, e, s, kOrdinary, 60);
        m.build();
        for (int r = 1; r <= m.map->roadCount; ++r) m.roadAt(r).congestion = 1.f;
    }

    RouteMap m;
    int s = 0, e = 0;
};

}  // namespace

TEST_F(FiveWays, EachCriterionGivesTheFiguresOfItsOwnSearch) {
    struct Case {
        Criterion criterion;
        const wchar_t* figures;
    };
    const Case cases[] = {
        {Criterion::Distance, L"1000m 0.05小时 122元"},      {Criterion::Cost, L"5000m 0.17小时 22元"},
        {Criterion::Speed, L"3000m 0.03小时 72元"},          {Criterion::Rating, L"3500m 0.06小时 22元"},
        {Criterion::HighwayFirst, L"4000m 0.03小时 26元"},   {Criterion::OrdinaryFirst, L"3500m 0.06小时 22元"},
        {Criterion::FewestRoads, L"3500m 0.06小时 22元"},
    };
    const RouteComparison comparison = compareCriteria(*m.map, s, e);
    for (const Case& c : cases) {
        const CriterionRoute& route = comparison.routes[criterionIndex(c.criterion)];
        EXPECT_EQ(comparisonFigures(route), c.figures) << criterionCaption(c.criterion);

        // The route the search finds over the graph weighed for that criterion.
        buildGraph(*m.graph, *m.map, c.criterion);
        RouteReport walked = beginReport(m.spotAt(s));
        for (const RouteStep& step : searchAndWalk(*m.graph, s, e).steps)
            recordStep(walked, m.spotAt(step.to), m.roadAt(step.road));
        EXPECT_EQ(route.report.routeList, walked.routeList) << criterionCaption(c.criterion);
    }
}

TEST_F(FiveWays, ASpotNoRoadReachesIsUnreachableUnderEveryCriterion) {
    const int alone = m.spot();
    m.build();
    const RouteComparison comparison = compareCriteria(*m.map, s, alone);
    for (const CriterionRoute& route : comparison.routes) EXPECT_EQ(comparisonFigures(route), L"无法到达");
}
