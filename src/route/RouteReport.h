#pragma once
// The route report: sums gathered step by step along a walked route, and the
// side panel text made from them.
#include <string>

#include "map/Road.h"
#include "map/Spot.h"

struct RouteReport {
    std::wstring startName;
    std::wstring routeList;  // one "-->(拥堵系数:k)" line and one spot name per step
    double costSum = 0.0;    // yuan, every spot of the route, fractions kept
    int lengthSum = 0;       // metres
    float drivingTime = 0.f; // hours
};

extern const wchar_t* const kNoRouteText;

// The pace the report's walking time assumes.
constexpr int kWalkingSpeedKmh = 3;

// Starts a report at the start spot, whose cost counts towards the sum.
RouteReport beginReport(const Spot& start);

// Adds one step of the walk: the spot reached and the road taken.
void recordStep(RouteReport& report, const Spot& to, const Road& road);

// A congestion coefficient with two significant digits: 0.5347 gives "0.53",
// 1 gives "1", 0.0012 gives "0.0012".
std::wstring congestionText(float coefficient);

// The report's figures as it writes them: "5940m", "0.12小时" (or 无法估算
// where the driving time cannot be told) and "745元".
std::wstring distanceText(const RouteReport& report);
std::wstring drivingText(const RouteReport& report);
std::wstring costText(const RouteReport& report);

// The whole panel body of a found route.
std::wstring reportText(const RouteReport& report, const Spot& start, const Spot& end, const std::wstring& tag);
