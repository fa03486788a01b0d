#pragma once
// Where each field stands in a row of the spots file and of the roads file.
// Every reader and writer of a row names its fields through these.
#include <algorithm>

// A spot row: type, name, customer rating (whole stars), x and y of the
// circle's top-left corner (map units), cost (yuan).
enum SpotField : int { kSpotType, kSpotName, kSpotRating, kSpotX, kSpotY, kSpotCost, kSpotFieldCount };

// A road row: type, name, length (metres), speed limit (km/h), the spot
// number of the end the bar points to, the spot number of the start.
enum RoadField : int { kRoadType, kRoadName, kRoadLength, kRoadSpeedLimit, kRoadEnd, kRoadStart, kRoadFieldCount };

constexpr int kFieldsPerRow = std::max<int>(kSpotFieldCount, kRoadFieldCount);
