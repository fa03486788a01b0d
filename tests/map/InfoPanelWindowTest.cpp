// The spot and road information panels in the App: what a click on the map
// shows in the side panel, what it outlines and what it prints.
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

#include "settings/HelpTexts.h"
#include "support/AppFixture.h"
#include "support/Events.h"

namespace {

// Spot 7 and road 18 of the sample map. The middle of road 18 lies in no
// other item's hit area.
const wchar_t* const kSpot7Text =
    L"序号:7\n\n类型:美食\n\n名称:川味小厨\n\n坐标:(70,220)\n\n客户评价:4星\n\n花费:56元";
const wchar_t* const kRoad18Text = L"类型:普通道路\n\n名称:人民路\n\n长度:1080米\n\n限制速度:60千米/时";

const sf::Vector2i kInsidePanel(520, 240);

}  // namespace

class InfoPanelWindow : public AppFixture {
protected:
    sf::Color colourAt(const sf::Image& shot, sf::Vector2f point) const {
        const sf::Vector2i pixel = mapPixel(point);
        return shot.getPixel(static_cast<unsigned>(pixel.x), static_cast<unsigned>(pixel.y));
    }
    // A point in the middle of the outline ring just above spot n's circle.
    sf::Vector2f aboveSpot(int n) const { return probe().map.spots[n].centre() + sf::Vector2f(0.f, -32.5f); }
    sf::Vector2f leftOfSpot(int n) const { return probe().map.spots[n].centre() + sf::Vector2f(-32.5f, 0.f); }
    // A point in the middle of the outline strip along one side of road n.
    sf::Vector2f besideRoad(int n) const {
        const Road& road = probe().map.roads[n];
        return road.bar.getTransform().transformPoint(road.bar.getSize().x / 2, -2.5f);
    }
    std::string clickAndReadConsole(sf::Vector2i pixel) {
        const std::size_t before = consoleText().size();
        click(pixel);
        return consoleText().substr(before);
    }
};

TEST_F(InfoPanelWindow, AClickOnASpotShowsItsDetailsAndOutlinesItInRed) {
    AppProbe a = startAsUser();
    const sf::Image before = frame();
    EXPECT_NE(colourAt(before, aboveSpot(7)), sf::Color::Red);
    EXPECT_NE(colourAt(before, leftOfSpot(7)), sf::Color::Red);

    click(spotPixel(7));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(a.panel.body.getString(), kSpot7Text);
    EXPECT_EQ(a.map.spots[7].circle.getOutlineThickness(), 5.f);
    EXPECT_TRUE(anythingSelected(a.selection));
    EXPECT_EQ(a.selection.kind, SelectedKind::Spot);
    EXPECT_EQ(a.selection.spotNumber, 7);
    EXPECT_TRUE(panelShowsSelection(a.selection));
    EXPECT_EQ(a.backButton.getString(), L"退出登录");

    const sf::Image after = frame();
    EXPECT_EQ(colourAt(after, aboveSpot(7)), sf::Color::Red);
    EXPECT_EQ(colourAt(after, leftOfSpot(7)), sf::Color::Red);
    // Only the clicked spot is ringed.
    EXPECT_NE(colourAt(after, aboveSpot(8)), sf::Color::Red);
}

// Spot 8 (信用社, centre (250, 290)) is where roads 18, 19 and 32 meet; the
// box around road 10's bar covers it, the bar passes 100 units away. The
// points lie in the circle towards spots 9, 7 and 3 and between the roads;
// each click starts with no outline, which would widen a road's area.
TEST_F(InfoPanelWindow, TheSpotWinsOverTheRoadsUnderTheClickAndOnlyThoseKeepTheirOutline) {
    AppProbe a = startAsUser();
    ASSERT_TRUE(a.map.roads[10].bar.getGlobalBounds().contains(a.map.spots[8].centre()));
    const std::pair<sf::Vector2f, std::vector<int>> cases[] = {
        {{264.f, 286.f}, {19}}, {{236.f, 286.f}, {18}}, {{248.f, 276.f}, {32}}, {{240.f, 304.f}, {}}};
    for (const auto& [point, roads] : cases) {
        click(kEmptyMapPixel);
        const std::string printed = clickAndReadConsole(mapPixel(point));
        EXPECT_EQ(a.panel.title.getString(), L"景点情况");
        EXPECT_EQ(a.selection.spotNumber, 8);
        EXPECT_EQ(outlinedSpots(), std::vector<int>{8});
        EXPECT_EQ(outlinedRoads(), roads) << point.x << ", " << point.y;
        // Every road hit printed its coefficient, one line each.
        EXPECT_EQ(static_cast<std::size_t>(std::count(printed.begin(), printed.end(), '\n')), roads.size());
    }
}

// The middle of road 27 (建设东路, nearly level) lies in the box around the
// diagonal road 42 (枫林路), as eight other middles lie in a later road's box.
TEST_F(InfoPanelWindow, AClickOnAnyRoadsMiddleSelectsThatRoadAlone) {
    AppProbe a = startAsAdmin();
    ASSERT_TRUE(a.map.roads[42].bar.getGlobalBounds().contains(mapPoint(roadPixel(27))));
    for (int n = 1; n <= a.map.roadCount; ++n) {
        click(roadPixel(n));
        EXPECT_EQ(a.selection.kind, SelectedKind::Road) << n;
        EXPECT_EQ(a.selection.roadNumber, n);
        EXPECT_EQ(outlinedRoads(), std::vector<int>{n});
        EXPECT_EQ(a.properties.name, a.map.roads[n].name) << n;
    }
}

TEST_F(InfoPanelWindow, AClickOnARoadPrintsItsCoefficientAndShowsItsDetails) {
    AppProbe a = startAsUser();
    ASSERT_FALSE(nothingAt(roadPixel(18)));
    EXPECT_EQ(colourAt(frame(), besideRoad(18)), sf::Color::White);

    const std::string printed = clickAndReadConsole(roadPixel(18));
    char expected[32];
    std::snprintf(expected, sizeof expected, "%f\n", a.map.roads[18].congestion);
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(a.panel.title.getString(), L"道路状况");
    EXPECT_EQ(a.panel.body.getString(), kRoad18Text);
    EXPECT_EQ(outlinedRoads(), std::vector<int>{18});
    EXPECT_TRUE(outlinedSpots().empty());
    EXPECT_EQ(a.selection.kind, SelectedKind::Road);
    EXPECT_EQ(a.selection.roadNumber, 18);
    EXPECT_TRUE(panelShowsSelection(a.selection));
    EXPECT_EQ(colourAt(frame(), besideRoad(18)), sf::Color::Blue);

    // Each click prints again.
    EXPECT_EQ(clickAndReadConsole(roadPixel(18)), expected);
}

TEST_F(InfoPanelWindow, AHighlightedSpotIsStillHitJustOutsideItsCircle) {
    AppProbe a = startAsUser();
    click(spotPixel(7));
    // Map x 66: four units left of the circle's box, inside the outline's five.
    const sf::Vector2i beside(128, 140);
    ASSERT_EQ(mapPoint(beside), sf::Vector2f(66.f, 250.f));
    ASSERT_LT(mapPoint(beside).x, a.map.spots[7].getPosition().x);
    click(beside);
    EXPECT_EQ(a.panel.body.getString(), kSpot7Text);
    EXPECT_EQ(a.map.spots[7].circle.getOutlineThickness(), 5.f);
}

TEST_F(InfoPanelWindow, AClickOnEmptyMapBringsTheHelpBackAndClearsEveryHighlight) {
    AppProbe a = startAsUser();
    ASSERT_TRUE(nothingAt(kEmptyMapPixel));
    click(roadPixel(18));
    shiftClick(spotPixel(11));
    shiftClick(spotPixel(25));
    ASSERT_EQ(a.panel.title.getString(), L"路线分析");
    ASSERT_FALSE(outlinedSpots().empty());
    ASSERT_FALSE(outlinedRoads().empty());
    ASSERT_EQ(colourAt(frame(), aboveSpot(11)), sf::Color::Red);

    click(kEmptyMapPixel);
    EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
    EXPECT_EQ(a.panel.body.getString(), kHelpText);
    EXPECT_TRUE(outlinedSpots().empty());
    EXPECT_TRUE(outlinedRoads().empty());
    EXPECT_FALSE(anythingSelected(a.selection));
    EXPECT_FALSE(panelShowsSelection(a.selection));
    EXPECT_TRUE(a.panel.routePickIdle);
    EXPECT_FALSE(a.panel.scrollMode);
    EXPECT_NE(colourAt(frame(), aboveSpot(11)), sf::Color::Red);
    EXPECT_EQ(a.panel.body.getString(), kHelpText);
}

TEST_F(InfoPanelWindow, OnTheAdministratorScreenAClickOutsideThePanelTitlesItOperations) {
    AppProbe a = startAsAdmin();
    click(kEmptyMapPixel);
    EXPECT_EQ(a.panel.title.getString(), L"操作界面");
    EXPECT_FALSE(panelShowsSelection(a.selection));
    frame();
    EXPECT_EQ(a.panel.body.getString(), kCreditsText);

    click(spotPixel(7));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(a.selection.spotNumber, 7);
    EXPECT_EQ(a.properties.kind, SelectedKind::Spot);
    EXPECT_EQ(a.properties.name, L"川味小厨");

    click(kEmptyMapPixel);
    EXPECT_EQ(a.panel.title.getString(), L"操作界面");
    EXPECT_TRUE(outlinedSpots().empty());
}

TEST_F(InfoPanelWindow, AClickInsideTheSidePanelChangesNothing) {
    AppProbe a = startAsUser();
    click(spotPixel(7));
    const std::string printedBefore = consoleText();

    click(kInsidePanel);
    click({630, 470}, sf::Mouse::Left);
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(a.panel.body.getString(), kSpot7Text);
    EXPECT_EQ(outlinedSpots(), std::vector<int>{7});
    EXPECT_TRUE(anythingSelected(a.selection));
    EXPECT_EQ(a.selection.spotNumber, 7);
    EXPECT_TRUE(panelShowsSelection(a.selection));
    EXPECT_EQ(consoleText(), printedBefore);
    EXPECT_EQ(a.frame.screen, kUserScreen);
}

TEST_F(InfoPanelWindow, AClickInsideThePanelKeepsTheReportAndItsScrollPosition) {
    AppProbe a = startAsUser();
    shiftClick(spotPixel(11));
    shiftClick(spotPixel(25));
    const sf::String report = a.panel.body.getString();
    press({500, 300});
    moveMouse({500, 200});
    release({500, 200});
    const sf::Vector2f scrolled = a.panel.body.getPosition();
    ASSERT_LT(scrolled.y, 70.f);

    click(kInsidePanel);
    EXPECT_EQ(a.panel.body.getString(), report);
    EXPECT_EQ(a.panel.title.getString(), L"路线分析");
    EXPECT_EQ(a.panel.body.getPosition(), scrolled);
    EXPECT_TRUE(a.panel.scrollMode);
    EXPECT_FALSE(a.panel.routePickIdle);
}
