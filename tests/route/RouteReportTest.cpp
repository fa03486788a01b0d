#include <gtest/gtest.h>

#include <cmath>

#include "route/RouteReport.h"
#include "support/RouteMap.h"

namespace {

// Three spots in a row joined by two 1500 m roads (limits 60 and 30,
// coefficients 0.5 and 1), with costs 10.7, 5.6 and 3.9.
class TwoRoadReport : public testing::Test {
protected:
    void SetUp() override {
        s = m.spot("10.7", 4, L"云栖客栈");
        mid = m.spot("5.6", 3, L"工商银行");
        e = m.spot("3.9", 5, L"老街面馆");
        first = m.road(1500, mid, s, kHighway, 60);
        second = m.road(1500, e, mid, kOrdinary, 30);
        m.build();
        m.roadAt(first).congestion = 0.5f;
        m.roadAt(second).congestion = 1.f;
    }

    RouteReport walked() {
        RouteReport report = beginReport(m.spotAt(s));
        const WalkedRoute route = searchAndWalk(*m.graph, s, e);
        for (const RouteStep& step : route.steps) recordStep(report, m.spotAt(step.to), m.roadAt(step.road));
        return report;
    }
    std::wstring text(const RouteReport& report) {
        return reportText(report, m.spotAt(s), m.spotAt(e), L"(距离优先)");
    }

    RouteMap m;
    int s = 0, mid = 0, e = 0, first = 0, second = 0;
};

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

}  // namespace

TEST_F(TwoRoadReport, WholeTextLineByLine) {
    const std::wstring expected =
        L"从\n云栖客栈\n到\n老街面馆\n"
        L"\n(距离优先)\n最短距离为3000m\n"
        L"\n驾车\n预计耗时 0.10小时\n"
        L"\n步行(3千米/时)\n预计耗时 1.00小时\n"
        L"\n花销\n预计花费 20.2元\n"  // 10.7 + 5.6 + 3.9, as a spot's panel writes a cost
        L"\n行走路径是\n云栖客栈"
        L"\n-->(拥堵系数:0.5)\n工商银行"
        L"\n-->(拥堵系数:1)\n老街面馆";
    EXPECT_EQ(text(walked()), expected);
}

TEST_F(TwoRoadReport, SumsGrowStepByStep) {
    RouteReport report = beginReport(m.spotAt(s));
    EXPECT_EQ(report.startName, L"云栖客栈");
    EXPECT_FLOAT_EQ(report.costSum, 10.7f);
    EXPECT_EQ(report.lengthSum, 0);
    EXPECT_EQ(report.routeList, L"");

    recordStep(report, m.spotAt(mid), m.roadAt(first));
    EXPECT_FLOAT_EQ(report.costSum, 16.3f);
    EXPECT_EQ(report.lengthSum, 1500);
    EXPECT_FLOAT_EQ(report.drivingTime, 0.05f);

    recordStep(report, m.spotAt(e), m.roadAt(second));
    EXPECT_FLOAT_EQ(report.costSum, 20.2f);
    EXPECT_EQ(report.lengthSum, 3000);
    EXPECT_FLOAT_EQ(report.drivingTime, 0.1f);
}

TEST_F(TwoRoadReport, DistanceIsTheLengthOfTheRouteTakenUnderAnyCriterion) {
    // Under fewest roads a direct road wins; the distance line gives its metres.
    const int direct = m.road(4000, e, s);
    m.build(Criterion::FewestRoads);
    m.roadAt(direct).congestion = 0.8f;
    const std::wstring body = reportText(walked(), m.spotAt(s), m.spotAt(e), L"(路径最少)");
    EXPECT_TRUE(contains(body, L"\n\n(路径最少)\n最短距离为4000m\n"));
    EXPECT_TRUE(contains(body, L"预计花费 14.6元"));  // 10.7 + 3.9: the middle spot is not passed
    EXPECT_TRUE(contains(body, L"\n行走路径是\n云栖客栈\n-->(拥堵系数:0.8)\n老街面馆"));
}

TEST_F(TwoRoadReport, StandstillOrMissingLimitGivesNoDrivingFigure) {
    m.roadAt(first).congestion = 0.f;
    RouteReport blocked = walked();
    EXPECT_TRUE(std::isinf(blocked.drivingTime));
    const std::wstring body = text(blocked);
    EXPECT_TRUE(contains(body, L"\n驾车\n预计耗时 无法估算\n\n步行"));
    // Only the driving figure is affected.
    EXPECT_TRUE(contains(body, L"最短距离为3000m"));
    EXPECT_TRUE(contains(body, L"预计耗时 1.00小时"));
    EXPECT_TRUE(contains(body, L"-->(拥堵系数:0)"));

    m.roadAt(first).congestion = 0.5f;
    m.roadAt(second).speedLimit = 0;
    EXPECT_TRUE(contains(text(walked()), L"\n驾车\n预计耗时 无法估算\n"));

    // 0 m over a road at a standstill is undefined rather than infinite.
    m.roadAt(second).length = 0.f;
    m.roadAt(second).congestion = 0.f;
    RouteReport undefined = walked();
    EXPECT_TRUE(std::isnan(undefined.drivingTime));
    EXPECT_TRUE(contains(text(undefined), L"\n驾车\n预计耗时 无法估算\n"));
}

TEST_F(TwoRoadReport, HugeSpeedLimitStaysAPositiveSpeed) {
    // 3 000 000 km/h in metres per hour does not fit 32 bits.
    m.roadAt(first).speedLimit = 3000000;
    m.roadAt(second).speedLimit = 3000000;
    m.roadAt(first).congestion = 1.f;
    const RouteReport report = walked();
    EXPECT_GT(report.drivingTime, 0.f);
    EXPECT_FLOAT_EQ(report.drivingTime, 2 * 1500.f / 3e9f);
    EXPECT_TRUE(contains(text(report), L"\n驾车\n预计耗时 0.00小时\n"));
}

TEST(RouteReport, FiguresUseFixedTwoDecimals) {
    RouteReport report;
    report.startName = L"甲";
    report.lengthSum = 2500;  // 0.8333 h on foot
    report.drivingTime = 1.f / 3.f;
    report.costSum = -4;
    Spot start, end;
    start.name = L"甲";
    end.name = L"乙";
    const std::wstring body = reportText(report, start, end, L"");
    EXPECT_TRUE(contains(body, L"\n\n\n最短距离为2500m\n"));  // an empty tag leaves its line empty
    EXPECT_TRUE(contains(body, L"\n驾车\n预计耗时 0.33小时\n"));
    EXPECT_TRUE(contains(body, L"\n步行(3千米/时)\n预计耗时 0.83小时\n"));
    EXPECT_TRUE(contains(body, L"预计花费 -4元"));
    EXPECT_TRUE(contains(body, L"\n行走路径是\n甲"));
}

TEST(CongestionText, TwoSignificantDigitsInTheShorterNotation) {
    EXPECT_EQ(congestionText(0.05f), L"0.05");
    EXPECT_EQ(congestionText(1.f), L"1");
    EXPECT_EQ(congestionText(0.5347f), L"0.53");
    EXPECT_EQ(congestionText(0.5f), L"0.5");
    EXPECT_EQ(congestionText(0.999f), L"1");
    EXPECT_EQ(congestionText(0.0012f), L"0.0012");
    EXPECT_EQ(congestionText(0.f), L"0");
    EXPECT_EQ(congestionText(static_cast<float>(1 / 32767.0)), L"3.1e-05");  // the smallest drawn above 0
}

TEST(RouteReport, NoRouteText) { EXPECT_STREQ(kNoRouteText, L"没有可以到达的路线"); }
