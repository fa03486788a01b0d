#include "route/RouteDisplay.h"

void highlightStep(MapModel& map, const RouteStep& step) {
    map.spots[step.to].circle.setOutlineThickness(kHighlightThickness);
    map.roads[step.road].bar.setOutlineThickness(kHighlightThickness);
}

void clearRoadHighlights(MapModel& map) {
    for (int n = 1; n <= map.roadCount; ++n) map.roads[n].bar.setOutlineThickness(0.f);
}

void drawAnimationFrame(sf::RenderWindow& window, const MapModel& map, const std::function<void(int)>& sleep) {
    drawMap(window, map);
    window.display();
    sleep(kAnimationPauseMs);
}
