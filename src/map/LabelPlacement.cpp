#include "map/LabelPlacement.h"

#include <algorithm>

namespace {

bool meetsCircle(const sf::FloatRect& box, sf::Vector2f centre, float radius) {
    const float nearestX = std::clamp(centre.x, box.left, box.left + box.width);
    const float nearestY = std::clamp(centre.y, box.top, box.top + box.height);
    const float dx = centre.x - nearestX;
    const float dy = centre.y - nearestY;
    return dx * dx + dy * dy < radius * radius;
}

bool fits(const LabelSpot spots[], int count, int n, const int placed[], int placedCount) {
    const sf::FloatRect& box = spots[n].box;
    if (box.width <= 0.f || box.height <= 0.f) return false;
    for (int k = 1; k <= count; ++k)
        if (k != n && meetsCircle(box, spots[k].centre, spots[k].radius)) return false;
    for (int i = 0; i < placedCount; ++i)
        if (box.intersects(spots[placed[i]].box)) return false;
    return true;
}

}  // namespace

void labelOrder(const bool marked[], int count, int order[]) {
    int next = 0;
    for (int n = 1; n <= count; ++n)
        if (marked[n]) order[next++] = n;
    for (int n = 1; n <= count; ++n)
        if (!marked[n]) order[next++] = n;
}

void placeLabels(const LabelSpot spots[], int count, const int order[], bool shown[]) {
    int placed[kTableRows];
    int placedCount = 0;
    for (int n = 1; n <= count; ++n) shown[n] = false;
    for (int i = 0; i < count; ++i) {
        const int n = order[i];
        if (!fits(spots, count, n, placed, placedCount)) continue;
        shown[n] = true;
        placed[placedCount++] = n;
    }
}
