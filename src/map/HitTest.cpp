#include "map/HitTest.h"

bool spotContains(const Spot& spot, sf::Vector2f point) { return spot.circle.getGlobalBounds().contains(point); }

// The bar's local bounds take in its outline, so the point brought back into
// the bar's own frame is tested against the drawn rectangle.
bool roadContains(const Road& road, sf::Vector2f point) {
    return road.bar.getLocalBounds().contains(road.bar.getInverseTransform().transformPoint(point));
}
