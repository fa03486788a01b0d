#include "map/MapClick.h"

#include <ostream>

#include "base/TextConvert.h"
#include "map/InfoPanel.h"

namespace {

// The shape of both hit tests: a miss removes the item's highlight; a hit
// highlights the item. Returns whether it was hit.
bool highlightIf(sf::Shape& shape, bool hit) {
    shape.setOutlineThickness(hit ? kHighlightThickness : 0.f);
    return hit;
}

void select(InfoTargets targets, SelectedKind kind, int number, const wchar_t* title, const sf::String& details) {
    Selection& selection = targets.selection;
    (kind == SelectedKind::Spot ? selection.spotNumber : selection.roadNumber) = number;
    if (selection.state == SelectionState::None) selection.state = SelectionState::Picked;
    selection.kind = kind;
    ++selection.hits;
    targets.panel.title.setString(title);
    targets.panel.body.setString(details);
}

}  // namespace

bool hitSpot(Spot& spot, sf::Vector2f point, InfoTargets targets) {
    if (!highlightIf(spot.circle, spotContains(spot, point))) return false;
    select(targets, SelectedKind::Spot, spot.number, L"景点情况", spotInfoText(spot));
    return true;
}

bool hitRoad(Road& road, sf::Vector2f point, InfoTargets targets) {
    if (!highlightIf(road.bar, roadContains(road, point))) return false;
    targets.console << fixedToText(road.congestion, 6) + "\n" << std::flush;
    select(targets, SelectedKind::Road, road.number, L"道路状况", roadInfoText(road));
    return true;
}

bool mapClick(MapModel& map, sf::Vector2f point, InfoTargets targets) {
    bool anyHit = false;
    for (int n = 1; n <= map.roadCount; ++n) {
        // A road whose ends name no spot has no bar on the map to hit.
        if (roadEndsValid(map, map.roads[n]) && hitRoad(map.roads[n], point, targets)) anyHit = true;
    }
    for (int n = 1; n <= map.spotCount; ++n)
        if (hitSpot(map.spots[n], point, targets)) anyHit = true;
    targets.selection.state = anyHit ? SelectionState::Shown : SelectionState::None;
    return anyHit;
}

void clearHighlights(MapModel& map) {
    for (int n = 1; n <= map.spotCount; ++n) map.spots[n].circle.setOutlineThickness(0.f);
    for (int n = 1; n <= map.roadCount; ++n) map.roads[n].bar.setOutlineThickness(0.f);
}

void clearMapSelection(MapModel& map, Selection& selection) {
    clearHighlights(map);
    clearSelection(selection);
}
