#include "map/MapModel.h"

#include <algorithm>
#include <ostream>

#include "base/TextConvert.h"

namespace {

// The object arrays have kMaxMapObjects usable slots whatever a table's
// count says.
int usableCount(const TextTable& table) { return std::clamp(table.count, 0, kMaxMapObjects); }

}  // namespace

void buildAllSpots(MapModel& map, const SpotTextures& textures) {
    map.spotCount = usableCount(map.spotTable);
    for (int n = 1; n <= map.spotCount; ++n) buildSpot(map.spots[n], n, map.spotTable, textures);
}

void buildAllRoads(MapModel& map) {
    map.roadCount = usableCount(map.roadTable);
    for (int n = 1; n <= map.roadCount; ++n) {
        map.roads[n].congestion = randomCongestion();
        buildRoad(map.roads[n], n, map.roadTable);
    }
}

bool roadEndsValid(const MapModel& map, const Road& road) {
    auto valid = [&map](int spot) { return spot >= 1 && spot <= map.spotCount; };
    return valid(road.endSpot) && valid(road.startSpot);
}

void layAllBars(MapModel& map, std::ostream& console) {
    for (int n = 1; n <= map.roadCount; ++n) {
        Road& road = map.roads[n];
        if (!roadEndsValid(map, road)) {
            console << "道路 " << n << "（" << consoleText(road.name.toWideString()) << "）的端点 "
                    << road.endSpot << "、" << road.startSpot << " 不是现有景点，已跳过" << std::endl;
            continue;
        }
        layBar(road, kRoadThickness, map.spots[road.endSpot].getPosition(),
               map.spots[road.startSpot].getPosition());
    }
}

void drawMap(sf::RenderTarget& target, const MapModel& map) {
    for (int n = 1; n <= map.roadCount; ++n)
        if (roadEndsValid(map, map.roads[n])) target.draw(map.roads[n].bar);
    for (int n = 1; n <= map.spotCount; ++n) target.draw(map.spots[n].circle);
}
