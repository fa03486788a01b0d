#include "editor/PropertyValues.h"

#include "base/TextConvert.h"
#include "base/Truncate.h"
#include "map/InfoPanel.h"

std::array<sf::String*, kPropertyValueCount> inputOrder(PropertyValues& values) {
    return {&values.type, &values.name, &values.placeFirst, &values.placeSecond, &values.measure, &values.grade};
}

std::array<const sf::String*, kPropertyValueCount> inputOrder(const PropertyValues& values) {
    return {&values.type, &values.name, &values.placeFirst, &values.placeSecond, &values.measure, &values.grade};
}

const std::array<int, kPropertyValueCount>& rowFields(SelectedKind kind) {
    static const std::array<int, kPropertyValueCount> spot = {kSpotType, kSpotName, kSpotX,
                                                              kSpotY,    kSpotCost, kSpotRating};
    static const std::array<int, kPropertyValueCount> road = {kRoadType, kRoadName,   kRoadEnd,
                                                              kRoadStart, kRoadLength, kRoadSpeedLimit};
    return kind == SelectedKind::Spot ? spot : road;
}

namespace {

// The row of the object, or null when the number names no row in use.
TableRow* rowOf(MapModel& map, SelectedKind kind, int number) {
    TextTable& table = kind == SelectedKind::Spot ? map.spotTable : map.roadTable;
    if (number < 1 || number > table.count) return nullptr;
    return &table.rows[number - 1];
}

}  // namespace

bool loadPropertyValues(PropertyValues& values, const MapModel& map, SelectedKind kind, int number) {
    const bool spot = kind == SelectedKind::Spot;
    if (number < 1 || number > (spot ? map.spotCount : map.roadCount)) return false;
    values.kind = kind;
    values.number = number;
    if (spot) {
        const Spot& object = map.spots[number];
        values.type = object.type;
        values.name = object.name;
        values.placeFirst = intText(truncateToInt(object.getPosition().x));
        values.placeSecond = intText(truncateToInt(object.getPosition().y));
        values.measure = realText(object.cost);
        values.grade = intText(object.rating);
        values.measureUnit = object.costUnit;
        values.gradeUnit = object.ratingUnit;
    } else {
        const Road& object = map.roads[number];
        values.type = object.type;
        values.name = object.name;
        values.placeFirst = intText(object.endSpot);
        values.placeSecond = intText(object.startSpot);
        values.measure = intText(truncateToInt(object.length));
        values.grade = intText(object.speedLimit);
        values.measureUnit = object.lengthUnit;
        values.gradeUnit = object.speedUnit;
    }
    return true;
}

bool followSelection(PropertyValues& values, const MapModel& map, const Selection& selection, bool editing) {
    if (editing || selection.hits == values.loadedHits) return false;
    values.loadedHits = selection.hits;
    return loadPropertyValues(values, map, selection.kind, selectedNumber(selection));
}

bool storePropertyValues(const PropertyValues& values, MapModel& map) {
    TableRow* row = rowOf(map, values.kind, values.number);
    if (!row) return false;
    const auto slots = inputOrder(values);
    const auto& fields = rowFields(values.kind);
    for (int i = 0; i < kPropertyValueCount; ++i) (*row)[fields[i]] = wideToNarrow(slots[i]->toWideString());
    return true;
}
