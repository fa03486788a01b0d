#pragma once
// A found route is shown by the outlines of its spots and roads; with the
// animation on, the map is redrawn after each step so the route grows.
#include <SFML/Graphics/RenderWindow.hpp>
#include <functional>

#include "map/MapModel.h"
#include "route/PathSearch.h"

constexpr int kAnimationPauseMs = 300;

// Outlines the spot reached and the road taken.
void highlightStep(MapModel& map, const RouteStep& step);

// Removes every road's outline (the first pick of a request does this).
void clearRoadHighlights(MapModel& map);

// Draws roads and spots over whatever the window holds, shows it, pauses.
void drawAnimationFrame(sf::RenderWindow& window, const MapModel& map, const std::function<void(int)>& sleep);
