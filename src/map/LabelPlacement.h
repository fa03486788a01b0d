#pragma once
// Which spot names fit on screen: each name is a box in window pixels under
// its circle; names are placed one by one, and a name is left out where it
// would cover a name already placed or another spot's circle.
#include <SFML/Graphics/Rect.hpp>

#include "map/TextTable.h"

// One spot as the placement sees it, in window pixels.
struct LabelSpot {
    sf::FloatRect box;    // the name's bounds; empty for a spot without a name
    sf::Vector2f centre;  // the circle's centre
    float radius = 0.f;   // the circle's radius, outline included
};

// The placing order of spots 1 .. count: the marked ones (the selected spot
// and the spots of a shown route) first, then the rest, each in spot order.
void labelOrder(const bool marked[], int count, int order[]);

// Sets shown[n] for spots 1 .. count, placing their names in the order
// given (count spot numbers): a name is shown unless its box meets a name
// already shown or the circle of another spot. Touching edges do not meet.
void placeLabels(const LabelSpot spots[], int count, const int order[], bool shown[]);
