#include "map/Road.h"

#include <cmath>
#include <cstdlib>

#include "base/TextConvert.h"
#include "map/Spot.h"

void buildRoad(Road& road, int number, const TextTable& table) {
    const TableRow& row = table.rows[number - 1];
    road.bar.setOutlineColor(sf::Color::Blue);
    road.number = number;
    road.type = narrowToWide(row[kRoadType]);
    road.name = narrowToWide(row[kRoadName]);
    road.length = static_cast<float>(parseInt(row[kRoadLength]));
    road.speedLimit = parseInt(row[kRoadSpeedLimit]);
    road.endSpot = parseInt(row[kRoadEnd]);
    road.startSpot = parseInt(row[kRoadStart]);
    if (road.type == kHighwayType)
        road.bar.setFillColor(sf::Color::Yellow);
    else if (road.type == kOrdinaryRoadType)
        road.bar.setFillColor(sf::Color::Green);
}

void layBar(Road& road, float thickness, sf::Vector2f endPosition, sf::Vector2f startPosition) {
    const float dx = endPosition.x - startPosition.x;
    const float dy = endPosition.y - startPosition.y;
    const double angle = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
    const float length = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    road.bar.setSize(sf::Vector2f(length, thickness));
    road.bar.setOrigin(0.f, thickness * 0.5f);
    road.bar.setPosition(spotCentre(startPosition));
    // Dividing by 3.141 rather than pi turns the bar a hair past the exact
    // angle (at most about 0.06 degree); the drawn map has always looked so.
    const float degrees = static_cast<float>(static_cast<double>(static_cast<float>(angle) * 180.f) / 3.141);
    road.bar.setRotation(degrees);
}

float randomCongestion() {
    // glibc's RAND_MAX is far above 32767; keeping 15 bits gives 0..1 inclusive.
    return static_cast<float>((std::rand() % 32768) / 32767.0);
}
