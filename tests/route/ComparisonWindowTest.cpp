// The comparison at the foot of a route report: a criterion chosen there, by
// its key or a click on its lines, becomes the one in force and shows its
// own route between the same two spots.
#include <algorithm>
#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/RouteMap.h"

namespace {

// The roads the graph in force routes over from 1 to 25.
std::vector<int> routeRoads(const RouteGraph& graph) { return searchAndWalk(graph, 1, 25).roads(); }

std::vector<int> sorted(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool hasLine(const sf::String& text, const std::wstring& line) {
    return (L"\n" + text.toWideString() + L"\n").find(L"\n" + line + L"\n") != std::wstring::npos;
}

}  // namespace

class ComparisonWindow : public AppFixture {
protected:
    // Drags the panel up, a stroke at a time, until the section's heading
    // stands at interface y 100.
    void scrollSectionTo100() {
        for (;;) {
            const float up = std::min(comparisonTop(probe().comparison, probe().panel.body) - 100.f, 500.f);
            if (up < 2.f) return;  // a pixel is 1.25 units
            press(interfacePixel({700.f, 550.f}));
            moveMouse(interfacePixel({700.f, 550.f - up}));
            release(interfacePixel({700.f, 550.f - up}));
        }
    }
    // The interface point in the middle of criterion i's first line.
    sf::Vector2f entryPoint(int i) const {
        const sf::FloatRect bounds = probe().comparison.entries[i].getGlobalBounds();
        return probe().panel.body.getPosition() + sf::Vector2f(100.f, bounds.top + 10.f);
    }
};

TEST_F(ComparisonWindow, ACriterionChosenByKeyOrClickShowsItsOwnRoute) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    shiftClick(spotPixel(1));  // 湖畔酒店
    shiftClick(spotPixel(25)); // 小面馆
    ASSERT_TRUE(comparisonShown(a.comparison, a.panel.body));
    EXPECT_EQ(a.comparison.entries[0].getString().toWideString().substr(0, 8), L"距离远近（当前）");
    const std::vector<int> byDistance = routeRoads(a.graph);

    // 3 is 速度优先: the settings page's flag, every road reweighed, its route.
    send(keyPress(sf::Keyboard::Num3));
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::Speed);
    EXPECT_TRUE(a.criterion.flags[criterionIndex(Criterion::Speed)]);
    RouteMap fresh;
    buildGraph(*fresh.graph, a.map, Criterion::Speed);
    for (int i = 1; i <= a.map.spotCount; ++i)
        for (int j = 1; j <= a.map.spotCount; ++j) ASSERT_EQ(a.graph.cells[i][j].weight, fresh.graph->cells[i][j].weight);
    const std::vector<int> bySpeed = routeRoads(a.graph);
    EXPECT_NE(bySpeed, byDistance);
    EXPECT_EQ(outlinedRoads(), sorted(bySpeed));
    EXPECT_TRUE(hasLine(a.panel.body.getString(), L"(速度优先)"));
    const std::wstring speedFigures = a.comparison.entries[2].getString().toWideString();
    EXPECT_NE(speedFigures.find(L"（当前）\n"), std::wstring::npos);

    // Scroll the section into view (strokes that begin on a criterion's lines
    // choose nothing), then click 路径最少's lines: the section stays where it
    // was while the report above it changes.
    scrollSectionTo100();
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::Speed);
    const float top = comparisonTop(a.comparison, a.panel.body);
    ASSERT_NEAR(top, 100.f, 2.f);
    click(interfacePixel(entryPoint(6)));
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::FewestRoads);
    EXPECT_TRUE(hasLine(a.panel.body.getString(), L"(路径最少)"));
    EXPECT_EQ(outlinedRoads(), sorted(routeRoads(a.graph)));
    EXPECT_FLOAT_EQ(comparisonTop(a.comparison, a.panel.body), top);
    // The figures are this map build's: choosing a criterion rolls no new congestion.
    EXPECT_EQ(a.comparison.entries[2].getString().toWideString().substr(4), speedFigures.substr(8));

    // The switch was not a route pick: the next click on the map is an ordinary one.
    click(kEmptyMapPixel);
    EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
    EXPECT_FALSE(comparisonShown(a.comparison, a.panel.body));
    send(keyPress(sf::Keyboard::Num1));
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::FewestRoads);
}
