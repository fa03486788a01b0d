#include "route/RouteReport.h"

#include <cmath>
#include <cstdint>

#include "base/TextConvert.h"
#include "base/Truncate.h"
#include "map/Vocabulary.h"

const wchar_t* const kNoRouteText = L"没有可以到达的路线";

namespace {

// Hours are written with two decimals.
std::wstring hoursText(double hours) { return narrowToWide(fixedToText(hours, 2)); }

std::wstring wholeText(int value) { return narrowToWide(intToText(value)); }

}  // namespace

RouteReport beginReport(const Spot& start) {
    RouteReport report;
    report.startName = start.name.toWideString();
    report.costSum = start.cost;
    return report;
}

void recordStep(RouteReport& report, const Spot& to, const Road& road) {
    report.routeList += L"\n-->(拥堵系数:" + congestionText(road.congestion) + L")\n" + to.name.toWideString();
    report.costSum += to.cost;
    report.lengthSum = truncateToInt(static_cast<float>(report.lengthSum) + road.length);
    // The limit in metres per hour is formed in 64 bits: an absurd limit in
    // the roads file must not wrap round to a negative speed.
    const float metresPerHour = static_cast<float>(static_cast<std::int64_t>(road.speedLimit) * 1000);
    report.drivingTime += road.length / (metresPerHour * road.congestion);
}

std::wstring congestionText(float coefficient) { return narrowToWide(floatToText(coefficient, 2)); }

std::wstring distanceText(const RouteReport& report) { return wholeText(report.lengthSum) + L"m"; }

// A road at a standstill (coefficient 0) or without a speed limit makes the
// driving time infinite or undefined; the report says so instead of "inf".
std::wstring drivingText(const RouteReport& report) {
    if (!std::isfinite(report.drivingTime)) return L"无法估算";
    return hoursText(report.drivingTime) + L"小时";
}

// The cost as a spot's panel writes one: 1039.5 gives "1039.5", 1040 "1040".
std::wstring costText(const RouteReport& report) {
    return narrowToWide(floatToText(static_cast<float>(report.costSum))) + kCostUnit;
}

std::wstring reportText(const RouteReport& report, const Spot& start, const Spot& end, const std::wstring& tag) {
    return L"从\n" + start.name.toWideString() + L"\n到\n" + end.name.toWideString() + L"\n\n" + tag +
           L"\n最短距离为" + distanceText(report) + L"\n\n驾车\n预计耗时 " + drivingText(report) + L"\n\n步行(" +
           wholeText(kWalkingSpeedKmh) + kSpeedUnit + L")\n预计耗时 " +
           hoursText(report.lengthSum / (kWalkingSpeedKmh * 1000.0)) + L"小时" + L"\n\n花销\n预计花费 " +
           costText(report) + L"\n\n行走路径是\n" + report.startName + report.routeList;
}
