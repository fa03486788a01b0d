#include "route/RouteDisplay.h"

#include <algorithm>

void highlightStep(MapModel& map, const RouteStep& step) {
    map.spots[step.to].circle.setOutlineThickness(kHighlightThickness);
    map.roads[step.road].bar.setOutlineThickness(kHighlightThickness);
}

void clearRoadHighlights(MapModel& map) {
    for (int n = 1; n <= map.roadCount; ++n) map.roads[n].bar.setOutlineThickness(0.f);
}

sf::FloatRect spotsArea(const MapModel& map, const SpotSet& spots) {
    sf::Vector2f least(0.f, 0.f);
    sf::Vector2f most(0.f, 0.f);
    bool any = false;
    for (int n = 1; n <= map.spotCount; ++n) {
        if (!spots[n]) continue;
        const sf::Vector2f reach(kSpotRadius + kHighlightThickness, kSpotRadius + kHighlightThickness);
        const sf::Vector2f low = map.spots[n].centre() - reach;
        const sf::Vector2f high = map.spots[n].centre() + reach;
        least = any ? sf::Vector2f(std::min(least.x, low.x), std::min(least.y, low.y)) : low;
        most = any ? sf::Vector2f(std::max(most.x, high.x), std::max(most.y, high.y)) : high;
        any = true;
    }
    return sf::FloatRect(least, most - least);
}

void drawAnimationFrame(sf::RenderWindow& window, const std::function<void()>& drawScreen,
                        const std::function<void(int)>& sleep) {
    drawScreen();
    window.display();
    sleep(kAnimationPauseMs);
}
