#include "support/MapRows.h"

#include "base/TextConvert.h"

const wchar_t* const kHighway = L"高速公路";
const wchar_t* const kOrdinary = L"普通道路";

std::unique_ptr<MapModel> emptyMap() { return std::make_unique<MapModel>(); }

int addSpotRow(MapModel& map, const std::wstring& type, const std::wstring& name, int rating, int x, int y,
               const std::string& cost) {
    TextTable& table = map.spotTable;
    table.rows[table.count] = {wideToNarrow(type), wideToNarrow(name), intToText(rating), intToText(x),
                               intToText(y), cost};
    return ++table.count;
}

int addRoadRow(MapModel& map, const std::wstring& type, const std::wstring& name, int length, int limit,
               int endSpot, int startSpot) {
    TextTable& table = map.roadTable;
    table.rows[table.count] = {wideToNarrow(type), wideToNarrow(name), intToText(length), intToText(limit),
                               intToText(endSpot), intToText(startSpot)};
    return ++table.count;
}

void buildMap(MapModel& map) {
    buildAllSpots(map, SpotTextures{});
    buildAllRoads(map);
}
