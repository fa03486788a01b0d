#pragma once
// Clicking the map: the spot and road hit tests, what a hit shows in the
// side panel, and the map click that runs them over every item.
#include <SFML/System/Vector2.hpp>
#include <iosfwd>

#include "map/MapModel.h"
#include "map/Selection.h"
#include "map/SidePanel.h"

// What a hit writes: the selection and the side panel; a road hit also
// prints its congestion coefficient on the console.
struct InfoTargets {
    Selection& selection;
    SidePanel& panel;
    std::ostream& console;
};

// Numbers as the panels write them: whole numbers in decimal, reals with six
// significant digits.
sf::String intText(int value);
sf::String realText(float value);

// The side panel texts of a spot and of a road.
sf::String spotInfoText(const Spot& spot);
sf::String roadInfoText(const Road& road);

// A spot's hit area is its circle's global bounds, outline included; a
// road's is its bar as drawn, rotated, outline included, so a click on empty
// map beside a diagonal road misses it. Left and top edges are in, right and
// bottom edges out. A hit highlights the item, selects it and shows its
// details; a miss removes its highlight.
bool hitSpot(Spot& spot, sf::Vector2f point, InfoTargets targets);
bool hitRoad(Road& road, sf::Vector2f point, InfoTargets targets);

// Whether the point lies in the item's hit area, with no side effect.
bool spotContains(const Spot& spot, sf::Vector2f point);
bool roadContains(const Road& road, sf::Vector2f point);

// Tests every road, then every spot (no early stop, the last hit wins). When
// nothing is hit the selection is cleared. Returns whether anything was hit.
bool mapClick(MapModel& map, sf::Vector2f point, InfoTargets targets);

// Removes every spot's and road's outline.
void clearHighlights(MapModel& map);
// Clears the selection and every outline, as a click on empty map does.
void clearMapSelection(MapModel& map, Selection& selection);
