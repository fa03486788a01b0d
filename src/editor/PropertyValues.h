#pragma once
// The values of the selected spot or road as the property editor shows and
// edits them, in input order: type, name, two coordinates, fourth and fifth.
// A spot: type, name, x, y, cost, rating. A road: type, name, end spot,
// start spot, length, speed limit.
#include <SFML/System/String.hpp>

#include "map/Selection.h"

constexpr int kPropertyValueCount = 6;

struct PropertyValues {
    SelectedKind kind = SelectedKind::Spot;
    int number = 0;
    sf::String values[kPropertyValueCount];
    sf::String fourthUnit;  // "元" or "米", shown after the fourth value
    sf::String fifthUnit;   // "星" or "千米/时", shown after the fifth value
};
