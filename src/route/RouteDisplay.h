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

// The map rectangle the spots cover, their outlines included.
sf::FloatRect spotsArea(const MapModel& map, const SpotSet& spots);

// Draws the whole screen (the view may have moved to show the route, so
// nothing of the last frame is kept), shows it and pauses.
void drawAnimationFrame(sf::RenderWindow& window, const std::function<void()>& drawScreen,
                        const std::function<void(int)>& sleep);
