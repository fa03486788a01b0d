#pragma once
// What the side panel shows of a spot or road that a click hit
// (map/MapClick.h).
#include <SFML/System/String.hpp>

#include "map/Road.h"
#include "map/Spot.h"

// Numbers as the panels write them: whole numbers in decimal, reals with six
// significant digits.
sf::String intText(int value);
sf::String realText(float value);

// The side panel texts of a spot and of a road.
sf::String spotInfoText(const Spot& spot);
sf::String roadInfoText(const Road& road);
