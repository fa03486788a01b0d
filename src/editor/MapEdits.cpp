#include "editor/MapEdits.h"

#include <cmath>

#include "base/TextConvert.h"
#include "base/Truncate.h"
#include "map/Spot.h"
#include "map/Vocabulary.h"

namespace {

bool full(const TextTable& table) { return table.count >= kMaxMapObjects; }

void append(TextTable& table, const TableRow& row) { table.rows[table.count++] = row; }

void removeRow(TextTable& table, int index) {
    for (int i = index; i + 1 < table.count; ++i) table.rows[i] = table.rows[i + 1];
    table.rows[table.count - 1] = TableRow{};
    --table.count;
}

bool touches(const TableRow& road, int spot) {
    return parseInt(road[kRoadEnd]) == spot || parseInt(road[kRoadStart]) == spot;
}

// A spot number above the removed spot's goes down by one.
void renumber(std::string& field, int removedSpot) {
    const int number = parseInt(field);
    if (number > removedSpot) field = intToText(number - 1);
}

}  // namespace

bool nearAnotherSpot(const TextTable& spots, sf::Vector2f centre, int exceptRow) {
    for (int i = 0; i < spots.count; ++i) {
        if (i == exceptRow) continue;
        // In float: a file may hold a coordinate 30 short of the int limit.
        const TableRow& row = spots.rows[i];
        const sf::Vector2f corner(static_cast<float>(parseInt(row[kSpotX])),
                                  static_cast<float>(parseInt(row[kSpotY])));
        const sf::Vector2f d = spotCentre(corner) - centre;
        if (std::sqrt(d.x * d.x + d.y * d.y) < kMinSpotDistance) return true;
    }
    return false;
}

PlaceOutcome appendSpotRow(TextTable& spots, sf::Vector2f centre) {
    if (full(spots)) return PlaceOutcome::Full;
    if (nearAnotherSpot(spots, centre)) return PlaceOutcome::TooClose;
    const sf::Vector2f corner = spotCorner(centre);
    TableRow row;
    row[kSpotType] = wideToNarrow(kHotelType);
    row[kSpotName] = wideToNarrow(L"新建景点");
    row[kSpotRating] = "1";
    row[kSpotX] = intToText(truncateToInt(corner.x));
    row[kSpotY] = intToText(truncateToInt(corner.y));
    row[kSpotCost] = "1000";
    append(spots, row);
    return PlaceOutcome::Placed;
}

bool appendRoadRow(TextTable& roads, int endSpot, int startSpot) {
    if (full(roads)) return false;
    TableRow row;
    row[kRoadType] = wideToNarrow(kOrdinaryRoadType);
    row[kRoadName] = wideToNarrow(L"新建路线");
    row[kRoadLength] = "1000";
    row[kRoadSpeedLimit] = "1";
    row[kRoadEnd] = intToText(endSpot);
    row[kRoadStart] = intToText(startSpot);
    append(roads, row);
    return true;
}

void deleteSpotRows(TextTable& spots, TextTable& roads, int spot) {
    if (spot < 1 || spot > spots.count) return;
    // A removed row pulls the next one into its place, which is examined
    // next, so two roads of the spot in consecutive rows both go.
    for (int i = 0; i < roads.count;) {
        TableRow& road = roads.rows[i];
        if (touches(road, spot)) {
            removeRow(roads, i);
            continue;
        }
        renumber(road[kRoadEnd], spot);
        renumber(road[kRoadStart], spot);
        ++i;
    }
    removeRow(spots, spot - 1);
}

void deleteRoadRow(TextTable& roads, int road) {
    if (road >= 1 && road <= roads.count) removeRow(roads, road - 1);
}
