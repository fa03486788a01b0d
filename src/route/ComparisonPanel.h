#pragma once
// The section "各方式比较" at the foot of a route report: for each criterion,
// in the settings page's order, its caption and its route's distance,
// driving time and cost; the criterion in force on green. A click on a
// criterion's lines (pressed and released there, the panel not scrolled in
// between), or its key 1 to 7, asks the App to switch to it. The
// section is drawn below the panel body and scrolls with it. Interface-view
// units.
#include <SFML/Graphics.hpp>
#include <optional>

#include "route/Criterion.h"
#include "route/RouteComparison.h"

struct ComparisonPanel {
    sf::Text heading;                    // 各方式比较
    sf::Text hint;                       // how to switch
    sf::Text entries[kCriterionCount];   // by criterionIndex: caption, then the figures
    sf::RectangleShape mark;             // behind the criterion in force
    sf::String report;                   // the panel body the section belongs under
    float top = 0.f;                     // the section's top below the body's position
    int start = 0;                       // the two spots of the report
    int end = 0;
    int pressed = -1;                    // the entry a left press landed on
    float pressedBodyY = 0.f;            // where the body stood then
};

void buildComparisonPanel(ComparisonPanel& panel, const sf::Font& font);

// Fills the section for the report the body has just been given.
void showComparison(ComparisonPanel& panel, const sf::Text& body, const RouteComparison& comparison,
                    Criterion inForce, int start, int end);

// True while the body still holds the report the section belongs to.
bool comparisonShown(const ComparisonPanel& panel, const sf::Text& body);

// The interface y of the section's heading as the body now stands.
float comparisonTop(const ComparisonPanel& panel, const sf::Text& body);

// Keys 1 to 7 (either row) name the criteria in the settings page's order.
std::optional<Criterion> handleComparisonKeys(const ComparisonPanel& panel, const sf::Text& body,
                                              const sf::Event& event);

// A left press at an interface point inside the side panel: remembers the
// criterion whose lines are under it.
void handleComparisonClick(ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point);

// The left button's release: the criterion pressed, when the release is on
// its lines too and the press did not start a scroll of the panel.
std::optional<Criterion> releaseComparison(ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point);

// The criterion under the pointer is written in white.
void hoverComparison(ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point);

// Through the interface view, under the body, while the section is shown.
void drawComparison(sf::RenderTarget& target, const ComparisonPanel& panel, const sf::Text& body);

// At logout: no report to belong to.
void resetComparison(ComparisonPanel& panel);
