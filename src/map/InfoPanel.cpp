#include "map/InfoPanel.h"

#include <cstdio>
#include <ostream>

#include "app/TextConvert.h"
#include "app/Truncate.h"
#include "settings/HelpTexts.h"

namespace {

sf::String number(int value) { return narrowToWide(intToText(value)); }
sf::String real(float value) { return narrowToWide(floatToText(value)); }

void loadSpotProperties(const Spot& spot, PropertyValues& properties) {
    properties.kind = SelectedKind::Spot;
    properties.number = spot.number;
    const sf::Vector2f position = spot.getPosition();
    properties.values[0] = spot.type;
    properties.values[1] = spot.name;
    properties.values[2] = number(truncateToInt(position.x));
    properties.values[3] = number(truncateToInt(position.y));
    properties.values[4] = real(spot.cost);
    properties.values[5] = number(spot.rating);
    properties.fourthUnit = spot.costUnit;
    properties.fifthUnit = spot.ratingUnit;
}

void loadRoadProperties(const Road& road, PropertyValues& properties) {
    properties.kind = SelectedKind::Road;
    properties.number = road.number;
    properties.values[0] = road.type;
    properties.values[1] = road.name;
    properties.values[2] = number(road.endSpot);
    properties.values[3] = number(road.startSpot);
    properties.values[4] = number(truncateToInt(road.length));
    properties.values[5] = number(road.speedLimit);
    properties.fourthUnit = road.lengthUnit;
    properties.fifthUnit = road.speedUnit;
}

}  // namespace

sf::String spotInfoText(const Spot& spot) {
    const sf::Vector2f position = spot.getPosition();
    return L"序号:" + number(spot.number) + L"\n\n类型:" + spot.type + L"\n\n名称:" + spot.name + L"\n\n坐标:(" +
           number(truncateToInt(position.x)) + L"," + number(truncateToInt(position.y)) + L")" +
           L"\n\n客户评价:" + number(spot.rating) + L"星" + L"\n\n花费:" + real(spot.cost) + L"元";
}

sf::String roadInfoText(const Road& road) {
    return L"类型:" + road.type + L"\n\n名称:" + road.name + L"\n\n长度:" + number(truncateToInt(road.length)) +
           L"米" + L"\n\n限制速度:" + number(road.speedLimit) + L"千米/时";
}

bool spotContains(const Spot& spot, sf::Vector2f point) { return spot.circle.getGlobalBounds().contains(point); }

bool roadContains(const Road& road, sf::Vector2f point) { return road.bar.getGlobalBounds().contains(point); }

bool hitSpot(Spot& spot, sf::Vector2f point, InfoTargets targets) {
    if (!spotContains(spot, point)) {
        spot.circle.setOutlineThickness(0.f);
        return false;
    }
    targets.selection.spotNumber = spot.number;
    targets.selection.selected = true;
    targets.selection.kind = SelectedKind::Spot;
    spot.circle.setOutlineThickness(kHighlightThickness);
    targets.panel.title.setString(L"景点情况");
    targets.panel.body.setString(spotInfoText(spot));
    loadSpotProperties(spot, targets.properties);
    return true;
}

bool hitRoad(Road& road, sf::Vector2f point, InfoTargets targets) {
    if (!roadContains(road, point)) {
        road.bar.setOutlineThickness(0.f);
        return false;
    }
    targets.selection.roadNumber = road.number;
    targets.selection.selected = true;
    targets.selection.kind = SelectedKind::Road;
    road.bar.setOutlineThickness(kHighlightThickness);
    char coefficient[32];
    std::snprintf(coefficient, sizeof coefficient, "%f\n", road.congestion);
    targets.console << coefficient << std::flush;
    targets.panel.title.setString(L"道路状况");
    targets.panel.body.setString(roadInfoText(road));
    loadRoadProperties(road, targets.properties);
    return true;
}

bool mapClick(MapModel& map, sf::Vector2f point, bool userScreen, InfoTargets targets) {
    bool anyHit = false;
    for (int n = 1; n <= map.roadCount; ++n) {
        // A road whose ends name no spot has no bar on the map to hit.
        if (roadEndsValid(map, map.roads[n]) && hitRoad(map.roads[n], point, targets)) anyHit = true;
    }
    for (int n = 1; n <= map.spotCount; ++n)
        if (hitSpot(map.spots[n], point, targets)) anyHit = true;
    if (!anyHit) {
        if (userScreen) targets.panel.title.setString(L"使用帮助");
        targets.panel.body.setString(kHelpText);
        targets.selection.selected = false;
    }
    return anyHit;
}
