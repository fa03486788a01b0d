#pragma once
// Whether a map point lies on a spot or on a road, as a click sees them.
#include <SFML/System/Vector2.hpp>

#include "map/Road.h"
#include "map/Spot.h"

// A spot's hit area is its circle's global bounds, outline included; a
// road's is its bar as drawn, rotated, outline included, so a click on empty
// map beside a diagonal road misses it. Left and top edges are in, right and
// bottom edges out. Neither test changes anything.
bool spotContains(const Spot& spot, sf::Vector2f point);
bool roadContains(const Road& road, sf::Vector2f point);
