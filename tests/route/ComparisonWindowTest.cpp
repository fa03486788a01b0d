// The comparison at the foot of a route report: a criterion chosen there, by
// its key or a click on its lines, becomes the one in force and shows its
// own route between the same two spots.
#include <algorithm>
#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/RouteMap.h"

class ComparisonWindow : public AppFixture {
protected:
    // The roads the graph in force routes over from 1 to 25, in number order.
    std::vector<int> routeRoads() const {
        std::vector<int> roads = searchAndWalk(probe().graph, 1, 25).roads();
        std::sort(roads.begin(), roads.end());
        return roads;
    }
    bool reportTagged(const std::wstring& tag) const {
        return probe().panel.body.getString().toWideString().find(L"\n" + tag + L"\n") != std::wstring::npos;
    }
    float sectionTop() const { return comparisonTop(probe().comparison, probe().panel.body); }
};

TEST_F(ComparisonWindow, ACriterionChosenByKeyOrClickShowsItsOwnRoute) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    shiftClick(spotPixel(1));   // 湖畔酒店
    shiftClick(spotPixel(25));  // 小面馆
    ASSERT_TRUE(comparisonShown(a.comparison, a.panel.body));
    EXPECT_EQ(a.comparison.entries[0].getString().toWideString().substr(0, 8), L"距离远近（当前）");
    const std::vector<int> byDistance = routeRoads();

    // 2 is 花费预算 (whose route, unlike 速度优先's, does not hang on this
    // build's congestion): the settings page's flag, every road reweighed, its route.
    send(keyPress(sf::Keyboard::Num2));
    EXPECT_TRUE(a.criterion.flags[criterionIndex(Criterion::Cost)]);
    EXPECT_NE(routeRoads(), byDistance);
    EXPECT_EQ(outlinedRoads(), routeRoads());
    EXPECT_TRUE(reportTagged(L"(花费优先)"));
    const std::wstring costEntry = a.comparison.entries[1].getString().toWideString();

    // Drag the section up to y 100, strokes that may begin on a criterion's
    // lines and so choose nothing (to within a pixel, 1.25 units); then click
    // 路径最少's lines.
    for (float up; (up = std::min(sectionTop() - 100.f, 500.f)) >= 2.f;) {
        press(interfacePixel({700.f, 550.f}));
        moveMouse(interfacePixel({700.f, 550.f - up}));
        release(interfacePixel({700.f, 550.f - up}));
    }
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::Cost);
    const float top = sectionTop();
    const sf::Vector2f fewestRoads = a.comparison.entries[6].getPosition() + sf::Vector2f(100.f, 10.f);
    click(interfacePixel(a.panel.body.getPosition() + fewestRoads));
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::FewestRoads);
    EXPECT_TRUE(reportTagged(L"(路径最少)"));
    EXPECT_EQ(outlinedRoads(), routeRoads());
    // The section keeps its place; its figures are this map build's, no
    // congestion drawn anew.
    EXPECT_FLOAT_EQ(sectionTop(), top);
    EXPECT_EQ(L"花费预算（当前）" + a.comparison.entries[1].getString().toWideString().substr(4), costEntry);

    // The switch was no route pick: the next click on the map is an ordinary one.
    click(kEmptyMapPixel);
    EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
    send(keyPress(sf::Keyboard::Num1));
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::FewestRoads);
}
