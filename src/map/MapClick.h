#pragma once
// Clicking the map: the map click that runs the hit tests (map/HitTest.h)
// over every item, and what a hit on a spot or road selects, outlines and
// shows in the side panel.
#include <SFML/System/Vector2.hpp>
#include <iosfwd>

#include "map/HitTest.h"
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

// Tests the item's hit area (spotContains, roadContains). A hit highlights
// the item, selects it and shows its details; a miss removes its highlight.
bool hitSpot(Spot& spot, sf::Vector2f point, InfoTargets targets);
bool hitRoad(Road& road, sf::Vector2f point, InfoTargets targets);

// Tests every road, then every spot (no early stop, the last hit wins). A
// hit is selected and shown in the side panel; when nothing is hit the
// selection is cleared. Returns whether anything was hit.
bool mapClick(MapModel& map, sf::Vector2f point, InfoTargets targets);

// Removes every spot's and road's outline.
void clearHighlights(MapModel& map);
// Clears the selection and every outline, as a click on empty map does.
void clearMapSelection(MapModel& map, Selection& selection);
