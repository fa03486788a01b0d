#include "editor/PropertyValues.h"

#include "base/TextConvert.h"

std::array<sf::String*, kPropertyValueCount> inputOrder(PropertyValues& values) {
    return {&values.type, &values.name, &values.placeFirst, &values.placeSecond, &values.measure, &values.grade};
}

std::array<const sf::String*, kPropertyValueCount> inputOrder(const PropertyValues& values) {
    return {&values.type, &values.name, &values.placeFirst, &values.placeSecond, &values.measure, &values.grade};
}

const std::array<int, kPropertyValueCount>& rowFields(SelectedKind kind) {
    static const std::array<int, kPropertyValueCount> spot = {0, 1, 3, 4, 5, 2};
    static const std::array<int, kPropertyValueCount> road = {0, 1, 4, 5, 2, 3};
    return kind == SelectedKind::Spot ? spot : road;
}

namespace {

// The row of the object, or null when the number names no row in use.
template <typename Map>
auto rowOf(Map& map, SelectedKind kind, int number) -> decltype(&map.spotTable.rows[0]) {
    auto& table = kind == SelectedKind::Spot ? map.spotTable : map.roadTable;
    if (number < 1 || number > table.count) return nullptr;
    return &table.rows[number - 1];
}

}  // namespace

bool loadPropertyValues(PropertyValues& values, const MapModel& map, SelectedKind kind, int number) {
    const TableRow* row = rowOf(map, kind, number);
    if (!row) return false;
    values.kind = kind;
    values.number = number;
    values.deleted = false;
    const auto slots = inputOrder(values);
    const auto& fields = rowFields(kind);
    for (int i = 0; i < kPropertyValueCount; ++i) *slots[i] = narrowToWide((*row)[fields[i]]);
    values.measureUnit = kind == SelectedKind::Spot ? L"元" : L"米";
    values.gradeUnit = kind == SelectedKind::Spot ? L"星" : L"千米/时";
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
