#pragma once
// The map: the two text tables and the Spot and Road arrays built from them.
// Slot 0 of each array is never used; objects are numbered from 1.
#include <iosfwd>

#include "map/Road.h"
#include "map/Spot.h"
#include "map/TextTable.h"

// Outline of a selected or routed item: red on spots, blue on roads.
constexpr float kHighlightThickness = 5.f;

struct MapModel {
    TextTable spotTable;
    TextTable roadTable;
    Spot spots[kTableRows];
    Road roads[kTableRows];
    int spotCount = 0;
    int roadCount = 0;
};

// Builds spots 1 .. count from their rows and sets the spot count.
void buildAllSpots(MapModel& map, const SpotTextures& textures);

// Builds roads 1 .. count from their rows, each with a fresh congestion
// coefficient, and sets the road count.
void buildAllRoads(MapModel& map);

// True when both ends of the road name existing spots. Other roads stay in
// their table rows (so a save loses nothing) but are not drawn, hit or routed.
bool roadEndsValid(const MapModel& map, const Road& road);

// Lays every road's bar between its two spots. A road with an end outside
// the spots is left unlaid and named on the console.
void layAllBars(MapModel& map, std::ostream& console);

// Draws roads 1 .. count, then spots 1 .. count, so spots cover bar ends.
void drawMap(sf::RenderTarget& target, const MapModel& map);
