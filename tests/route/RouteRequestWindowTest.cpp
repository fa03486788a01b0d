// The route request in the App: left-Shift picks of a start and an end spot,
// the route outlined on the map (growing with the animation) and its report.
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

#include "base/TextConvert.h"
#include "route/RouteRequest.h"
#include "settings/HelpTexts.h"
#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/MapRows.h"
#include "support/RouteMap.h"

namespace {

// The sample map's shortest route from 东湖支行 (11) to 小面馆 (25).
const std::vector<int> kRouteSpots{11, 16, 17, 22, 23, 24, 25};
const std::vector<int> kRouteRoads{3, 25, 31, 6, 7, 8};

std::vector<int> sorted(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::vector<std::wstring> lines(const sf::String& text) {
    std::vector<std::wstring> result;
    std::wistringstream in(text.toWideString());
    std::wstring line;
    while (std::getline(in, line)) result.push_back(line);
    return result;
}

std::wstring printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return narrowToWide(buffer);
}

}  // namespace

class RouteRequestWindow : public AppFixture {
protected:
    void pickRoute11To25() {
        shiftClick(spotPixel(11));
        shiftClick(spotPixel(25));
    }

    // The report of 11 -> 25 as the side panel must show it, line by line,
    // with this run's congestion coefficients; the cost is the exact sum
    // 2 + 35.5 + 88 + 15 + 588 + 5 + 12.5.
    std::vector<std::wstring> expectedReport11To25() const {
        float driving = 0.f;
        std::vector<std::wstring> steps;
        for (std::size_t i = 0; i < kRouteRoads.size(); ++i) {
            const Road& road = probe().map.roads[kRouteRoads[i]];
            driving += road.length / (static_cast<float>(road.speedLimit * 1000) * road.congestion);
            steps.push_back(L"-->(拥堵系数:" + printed("%.2g", road.congestion) + L")");
            steps.push_back(probe().map.spots[kRouteSpots[i + 1]].name.toWideString());
        }
        std::vector<std::wstring> report{L"从", L"东湖支行", L"到", L"小面馆", L"", L"(距离优先)", L"最短距离为5940m",
                                         L"", L"驾车", L"预计耗时 " + printed("%.2f", driving) + L"小时", L"",
                                         L"步行(3千米/时)", L"预计耗时 1.98小时", L"", L"花销", L"预计花费 746元", L"",
                                         L"行走路径是", L"东湖支行"};
        report.insert(report.end(), steps.begin(), steps.end());
        return report;
    }
};

TEST_F(RouteRequestWindow, TheSampleRouteIsTheOneTheSearchFinds) {
    AppProbe a = startApp();
    const WalkedRoute route = searchAndWalk(a.graph, 11, 25);
    ASSERT_TRUE(route.found);
    EXPECT_EQ(route.spots(11), kRouteSpots);
    EXPECT_EQ(route.roads(), kRouteRoads);
}

TEST_F(RouteRequestWindow, TheFirstPickShowsTheHintUnderTheSpotTitle) {
    AppProbe a = startAsUser();
    click(roadPixel(18));
    click(spotPixel(7));
    ASSERT_FALSE(outlinedRoads().empty());

    shiftClick(spotPixel(11));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(a.panel.body.getString(), L"\nshift点击\n\n下一个景点\n\n确定路线终点");
    EXPECT_TRUE(a.pick.pending);
    EXPECT_EQ(a.pick.start, 11);
    EXPECT_EQ(a.pick.end, 0);
    EXPECT_FALSE(a.panel.routePickIdle);
    EXPECT_FALSE(a.map.spots[11].selectable);
    // The start is outlined; every other spot and every road lost its outline.
    EXPECT_EQ(outlinedSpots(), std::vector<int>{11});
    EXPECT_TRUE(outlinedRoads().empty());
    EXPECT_EQ(a.selection.spotNumber, 11);

    // A shift-click beside every spot keeps the request as it is.
    shiftClick(kEmptyMapPixel);
    EXPECT_TRUE(a.pick.pending);
    EXPECT_EQ(a.pick.start, 11);
    EXPECT_EQ(a.panel.body.getString(), kNextSpotHint);
}

TEST_F(RouteRequestWindow, TheSecondPickShowsTheReport) {
    AppProbe a = startAsUser();
    pickRoute11To25();
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
    EXPECT_EQ(lines(a.panel.body.getString()), expectedReport11To25());
    EXPECT_FALSE(a.pick.pending);
    EXPECT_EQ(a.pick.pickCount, 0);
    EXPECT_TRUE(a.panel.scrollMode);
    EXPECT_FALSE(a.panel.routePickIdle);
    for (int n = 1; n <= a.map.spotCount; ++n) EXPECT_TRUE(a.map.spots[n].selectable) << "spot " << n;
}

TEST_F(RouteRequestWindow, AfterTheRouteExactlyItsSpotsAndRoadsAreOutlined) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    click(roadPixel(18));
    pickRoute11To25();
    EXPECT_EQ(outlinedSpots(), sorted(kRouteSpots));
    EXPECT_EQ(outlinedRoads(), sorted(kRouteRoads));
    for (int n : kRouteRoads) EXPECT_EQ(a.map.roads[n].bar.getOutlineThickness(), 5.f);
    for (int n : kRouteSpots) EXPECT_EQ(a.map.spots[n].circle.getOutlineThickness(), 5.f);
}

TEST_F(RouteRequestWindow, WithTheAnimationTheRouteGrowsOneRoadPerPause) {
    AppProbe a = startAsUser();
    ASSERT_TRUE(a.routeAnimation);
    std::vector<std::vector<int>> roadsAtPause;
    std::vector<sf::String> bodyAtPause;
    std::vector<sf::String> titleAtPause;
    onSleep = [&](int) {
        roadsAtPause.push_back(outlinedRoads());
        bodyAtPause.push_back(a.panel.body.getString());
        titleAtPause.push_back(a.panel.title.getString());
    };
    pickRoute11To25();

    EXPECT_EQ(sleeps, std::vector<int>(kRouteRoads.size(), 300));
    ASSERT_EQ(roadsAtPause.size(), kRouteRoads.size());
    for (std::size_t k = 0; k < kRouteRoads.size(); ++k) {
        const std::vector<int> grown(kRouteRoads.begin(), kRouteRoads.begin() + static_cast<long>(k) + 1);
        EXPECT_EQ(roadsAtPause[k], sorted(grown)) << "pause " << k;
    }
    EXPECT_EQ(outlinedSpots(), sorted(kRouteSpots));
    EXPECT_EQ(lines(a.panel.body.getString()), expectedReport11To25());
    // The report comes only after the last step: during the pauses the panel
    // still shows the end spot's details from its pick, under their title.
    for (const sf::String& body : bodyAtPause) EXPECT_EQ(lines(body).front(), L"序号:25");
    for (const sf::String& title : titleAtPause) EXPECT_EQ(title, L"景点情况");
}

TEST_F(RouteRequestWindow, WithoutTheAnimationThereIsNoPauseAndTheSameOutline) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    pickRoute11To25();
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(outlinedSpots(), sorted(kRouteSpots));
    EXPECT_EQ(outlinedRoads(), sorted(kRouteRoads));
    EXPECT_EQ(lines(a.panel.body.getString()), expectedReport11To25());
}

TEST_F(RouteRequestWindow, WheelZoomKeepsTheRouteOutlined) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    pickRoute11To25();
    scrollWheel(1.f, 5);
    ASSERT_LT(a.views.zoom, 2.f);
    EXPECT_EQ(outlinedSpots(), sorted(kRouteSpots));
    EXPECT_EQ(outlinedRoads(), sorted(kRouteRoads));

    // Spot 17 of the route stays in sight at this zoom; its ring is drawn.
    const sf::Image shot = frame();
    const sf::Vector2i ring = mapPixel(a.map.spots[17].centre() + sf::Vector2f(0.f, -32.5f));
    ASSERT_TRUE(sf::IntRect(0, 0, 400, 480).contains(ring));
    EXPECT_EQ(shot.getPixel(static_cast<unsigned>(ring.x), static_cast<unsigned>(ring.y)), sf::Color::Red);
}

TEST_F(RouteRequestWindow, AThirdShiftClickStartsANewRequestFromThatSpot) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    pickRoute11To25();

    shiftClick(spotPixel(25));
    EXPECT_TRUE(a.pick.pending);
    EXPECT_EQ(a.pick.start, 25);
    EXPECT_EQ(a.pick.pickCount, 1);
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(a.panel.body.getString(), kNextSpotHint);
    EXPECT_EQ(outlinedSpots(), std::vector<int>{25});
    EXPECT_TRUE(outlinedRoads().empty());

    shiftClick(spotPixel(11));
    const std::vector<std::wstring> report = lines(a.panel.body.getString());
    ASSERT_GE(report.size(), 4u);
    EXPECT_EQ(std::vector<std::wstring>(report.begin(), report.begin() + 4),
              (std::vector<std::wstring>{L"从", L"小面馆", L"到", L"东湖支行"}));
    EXPECT_EQ(report[6], L"最短距离为5940m");
    EXPECT_EQ(outlinedSpots(), sorted(kRouteSpots));
    EXPECT_EQ(outlinedRoads(), sorted(kRouteRoads));
}

TEST_F(RouteRequestWindow, TheRightShiftKeyMakesAnOrdinaryClick) {
    AppProbe a = startAsUser();
    heldKeys.insert(sf::Keyboard::RShift);
    click(spotPixel(11));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(lines(a.panel.body.getString()).front(), L"序号:11");
    EXPECT_EQ(a.pick.pickCount, 0);
    EXPECT_FALSE(a.pick.pending);
    EXPECT_TRUE(a.map.spots[11].selectable);
    EXPECT_TRUE(a.panel.routePickIdle);

    click(spotPixel(25));
    EXPECT_EQ(lines(a.panel.body.getString()).front(), L"序号:25");
    EXPECT_NE(a.panel.title.getString(), L"路线分析");
}

TEST_F(RouteRequestWindow, OrdinaryClicksAreIgnoredWhileARequestIsPending) {
    AppProbe a = startAsUser();
    shiftClick(spotPixel(11));
    const std::string printedBefore = consoleText();

    click(kEmptyMapPixel);
    click(spotPixel(7));
    click(roadPixel(18));
    click(buttonPixel(a.backButton));
    EXPECT_EQ(a.frame.screen, kUserScreen);
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(a.panel.body.getString(), kNextSpotHint);
    EXPECT_EQ(outlinedSpots(), std::vector<int>{11});
    EXPECT_TRUE(outlinedRoads().empty());
    EXPECT_EQ(consoleText(), printedBefore);
    EXPECT_TRUE(a.pick.pending);

    shiftClick(spotPixel(25));
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
}

TEST_F(RouteRequestWindow, TheCompletingClickIsNotAlsoAnOrdinaryClickButTheNextOneIs) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    pickRoute11To25();
    // Handled as an ordinary click, the press on spot 25 would have shown
    // its details in place of the report.
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
    EXPECT_EQ(lines(a.panel.body.getString()), expectedReport11To25());
    EXPECT_FALSE(a.pick.clickConsumed);

    click(spotPixel(7));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(lines(a.panel.body.getString()).front(), L"序号:7");
    EXPECT_EQ(outlinedSpots(), std::vector<int>{7});
}

TEST_F(RouteRequestWindow, AfterAnEndPickedWithTheRightButtonTheNextLeftClickIsSwallowed) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    shiftClick(spotPixel(11));
    shiftClick(spotPixel(25), sf::Mouse::Right);
    ASSERT_EQ(a.panel.title.getString(), L"路线分析");
    const sf::String report = a.panel.body.getString();

    click(spotPixel(7));
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
    EXPECT_EQ(a.panel.body.getString(), report);
    EXPECT_EQ(outlinedSpots(), sorted(kRouteSpots));

    click(spotPixel(7));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(outlinedSpots(), std::vector<int>{7});
}

TEST_F(RouteRequestWindow, OnTheLoginScreenAShiftClickPicksNothingAndTheScreenStaysUsable) {
    AppProbe a = startApp();
    shiftClick(spotPixel(3));
    EXPECT_EQ(a.pick.pickCount, 0);
    EXPECT_FALSE(a.pick.pending);
    EXPECT_TRUE(a.map.spots[3].selectable);

    const sf::Vector2i userNameBox = mapPixel(a.login.userName.box.getPosition());
    shiftClick(userNameBox);
    EXPECT_TRUE(a.login.userName.focused);
    logIn(L"游客", L"123456");
    EXPECT_EQ(a.frame.screen, kUserScreen);
    shiftClick(spotPixel(3));
    EXPECT_TRUE(a.pick.pending);
    EXPECT_EQ(a.pick.start, 3);
}

// ---- a map of its own ----

class RouteRequestOwnMapWindow : public RouteRequestWindow {
protected:
    // Spots 1 and 2 overlap in their corners; spot 4 has no road.
    void SetUp() override {
        RouteRequestWindow::SetUp();
        auto rows = emptyMap();
        addSpotRow(*rows, L"酒店", L"甲店", 3, 0, 0, "10");
        addSpotRow(*rows, L"银行", L"乙行", 3, 40, 40, "5");
        addSpotRow(*rows, L"美食", L"丙馆", 3, 300, 0, "8");
        addSpotRow(*rows, L"超市", L"丁市", 3, 300, 300, "1");
        addRoadRow(*rows, kOrdinary, L"甲丙路", 1000, 60, 3, 1);
        addRoadRow(*rows, kOrdinary, L"乙丙路", 2000, 60, 3, 2);
        writeMapFiles(rows->spotTable, rows->roadTable);
    }
    // Map point (50, 50), inside both of them.
    sf::Vector2i overlapPixel() const { return {120, 40}; }
};

TEST_F(RouteRequestOwnMapWindow, OnePressOverOverlappingSpotsPicksOnlyTheFirst) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    ASSERT_EQ(a.map.spotCount, 4);
    const sf::Vector2i overlap = overlapPixel();
    ASSERT_TRUE(spotContains(a.map.spots[1], mapPoint(overlap)));
    ASSERT_TRUE(spotContains(a.map.spots[2], mapPoint(overlap)));

    shiftClick(overlap);
    EXPECT_EQ(a.pick.pickCount, 1);
    EXPECT_TRUE(a.pick.pending);
    EXPECT_EQ(a.pick.start, 1);
    EXPECT_FALSE(a.map.spots[1].selectable);
    EXPECT_TRUE(a.map.spots[2].selectable);
    EXPECT_EQ(a.panel.body.getString(), kNextSpotHint);
    EXPECT_EQ(a.selection.spotNumber, 1);

    shiftClick(spotPixel(3));
    const std::vector<std::wstring> report = lines(a.panel.body.getString());
    ASSERT_GE(report.size(), 7u);
    EXPECT_EQ(std::vector<std::wstring>(report.begin(), report.begin() + 4),
              (std::vector<std::wstring>{L"从", L"甲店", L"到", L"丙馆"}));
    EXPECT_EQ(report[6], L"最短距离为1000m");
    EXPECT_EQ(outlinedSpots(), (std::vector<int>{1, 3}));
    EXPECT_EQ(outlinedRoads(), std::vector<int>{1});
}

TEST_F(RouteRequestOwnMapWindow, APickedSpotIsPassedOverSoTheSamePressPicksTheOtherAsTheEnd) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    const sf::Vector2i overlap = overlapPixel();
    shiftClick(overlap);
    shiftClick(overlap);
    EXPECT_FALSE(a.pick.pending);
    const std::vector<std::wstring> report = lines(a.panel.body.getString());
    ASSERT_GE(report.size(), 7u);
    EXPECT_EQ(std::vector<std::wstring>(report.begin(), report.begin() + 4),
              (std::vector<std::wstring>{L"从", L"甲店", L"到", L"乙行"}));
    EXPECT_EQ(report[6], L"最短距离为3000m");
    EXPECT_EQ(outlinedRoads(), (std::vector<int>{1, 2}));
}

TEST_F(RouteRequestOwnMapWindow, AnUnreachableEndEndsTheRequestWithoutARoute) {
    AppProbe a = startAsUser();
    shiftClick(spotPixel(1));
    shiftClick(spotPixel(4));
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
    EXPECT_EQ(a.panel.body.getString(), L"没有可以到达的路线");
    EXPECT_FALSE(a.pick.pending);
    EXPECT_FALSE(a.panel.scrollMode);
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(outlinedSpots(), (std::vector<int>{1, 4}));
    EXPECT_TRUE(outlinedRoads().empty());
    for (int n = 1; n <= a.map.spotCount; ++n) EXPECT_TRUE(a.map.spots[n].selectable) << "spot " << n;
}
