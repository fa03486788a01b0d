#include "editor/PropertyValues.h"

#include "base/TextConvert.h"

std::array<sf::String*, kPropertyValueCount> inputOrder(PropertyValues& values) {
    return {&values.type, &values.name, &values.placeFirst, &values.placeSecond, &values.measure, &values.grade};
}

const std::array<int, kPropertyValueCount>& rowFields(SelectedKind kind) {
    static const std::array<int, kPropertyValueCount> spot = {0, 1, 3, 4, 5, 2};
    static const std::array<int, kPropertyValueCount> road = {0, 1, 4, 5, 2, 3};
    return kind == SelectedKind::Spot ? spot : road;
}

void loadPropertyValues(PropertyValues& values, const MapModel& map, SelectedKind kind, int number) {
    const TextTable& table = kind == SelectedKind::Spot ? map.spotTable : map.roadTable;
    if (number < 1 || number > table.count) return;
    values.kind = kind;
    values.number = number;
    const TableRow& row = table.rows[number - 1];
    const auto slots = inputOrder(values);
    const auto& fields = rowFields(kind);
    for (int i = 0; i < kPropertyValueCount; ++i) *slots[i] = narrowToWide(row[fields[i]]);
    values.measureUnit = kind == SelectedKind::Spot ? L"元" : L"米";
    values.gradeUnit = kind == SelectedKind::Spot ? L"星" : L"千米/时";
}

void followSelection(PropertyValues& values, const MapModel& map, const Selection& selection) {
    if (selection.hits == values.loadedHits) return;
    values.loadedHits = selection.hits;
    loadPropertyValues(values, map, selection.kind, selectedNumber(selection));
}
