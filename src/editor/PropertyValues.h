#pragma once
// The values of the selected spot or road as the property editor shows and
// edits them, taken from the object as built from its row (so a row's 0120
// shows as 120), and stored back into the row. In input order: type, name,
// the place pair, the measure and the grade.
#include <SFML/System/String.hpp>
#include <array>

#include "map/MapModel.h"
#include "map/Selection.h"

struct PropertyValues {
    SelectedKind kind = SelectedKind::Spot;
    int number = 0;
    sf::String type;
    sf::String name;
    sf::String placeFirst;   // a spot's x, a road's end spot
    sf::String placeSecond;  // a spot's y, a road's start spot
    sf::String measure;      // a spot's cost, a road's length
    sf::String grade;        // a spot's rating, a road's speed limit
    sf::String measureUnit;  // the spot's cost unit or the road's length unit
    sf::String gradeUnit;    // the spot's rating unit or the road's speed unit
    unsigned loadedHits = 0; // the selection's hit count when these were loaded
};

constexpr int kPropertyValueCount = 6;

// The six values in input order, and the row field (map/RowFields.h) each
// one stands in.
std::array<sf::String*, kPropertyValueCount> inputOrder(PropertyValues& values);
std::array<const sf::String*, kPropertyValueCount> inputOrder(const PropertyValues& values);
const std::array<int, kPropertyValueCount>& rowFields(SelectedKind kind);

// Loads spot or road number n, by kind: x, y, the rating, the road's ends,
// length and speed limit as whole numbers (truncated toward zero), the cost
// as a real. Numbers outside the objects built leave the values as they were
// and return false.
bool loadPropertyValues(PropertyValues& values, const MapModel& map, SelectedKind kind, int number);

// Loads the selected object's row when the selection was hit again since the
// last load, unless an edit of the values is in progress: the edit keeps its
// values and its object until it is confirmed or cancelled. Returns whether
// the values were loaded.
bool followSelection(PropertyValues& values, const MapModel& map, const Selection& selection, bool editing = false);

// Writes the six values (GBK text) into the fields of their object's row.
// Returns false, writing nothing, when the number names no row in use.
bool storePropertyValues(const PropertyValues& values, MapModel& map);
