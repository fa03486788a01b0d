#include "route/RouteReport.h"

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <locale>
#include <sstream>

#include "base/Truncate.h"

const wchar_t* const kNoRouteText = L"没有可以到达的路线";

namespace {

// Numbers are formatted with the classic locale so the decimal point is
// always a point, whatever locale the process runs under.
std::wostringstream numberStream() {
    std::wostringstream out;
    out.imbue(std::locale::classic());
    return out;
}

std::wstring fixedTwo(double value) {
    std::wostringstream out = numberStream();
    out << std::fixed << std::setprecision(2) << value;
    return out.str();
}

// A road at a standstill (coefficient 0) or without a speed limit makes the
// driving time infinite or undefined; the report says so instead of "inf".
std::wstring drivingLine(float hours) {
    if (!std::isfinite(hours)) return L"预计耗时 无法估算";
    return L"预计耗时 " + fixedTwo(hours) + L"小时";
}

}  // namespace

RouteReport beginReport(const Spot& start) {
    RouteReport report;
    report.startName = start.name.toWideString();
    report.costSum = truncateToInt(start.cost);
    return report;
}

void recordStep(RouteReport& report, const Spot& to, const Road& road) {
    report.routeList += L"\n-->(拥堵系数:" + congestionText(road.congestion) + L")\n" + to.name.toWideString();
    report.costSum = truncateToInt(static_cast<float>(report.costSum) + to.cost);
    report.lengthSum = truncateToInt(static_cast<float>(report.lengthSum) + road.length);
    // The limit in metres per hour is formed in 64 bits: an absurd limit in
    // the roads file must not wrap round to a negative speed.
    const float metresPerHour = static_cast<float>(static_cast<std::int64_t>(road.speedLimit) * 1000);
    report.drivingTime += road.length / (metresPerHour * road.congestion);
}

std::wstring congestionText(float coefficient) {
    std::wostringstream out = numberStream();
    out << std::setprecision(2) << static_cast<double>(coefficient);
    return out.str();
}

std::wstring reportText(const RouteReport& report, const Spot& start, const Spot& end, const std::wstring& tag) {
    std::wostringstream distance = numberStream();
    distance << report.lengthSum;
    std::wostringstream cost = numberStream();
    cost << report.costSum;
    return L"从\n" + start.name.toWideString() + L"\n到\n" + end.name.toWideString() + L"\n\n" + tag +
           L"\n最短距离为" + distance.str() + L"m" + L"\n\n驾车\n" + drivingLine(report.drivingTime) +
           L"\n\n步行(" + std::to_wstring(kWalkingSpeedKmh) + L"千米/时)\n预计耗时 " +
           fixedTwo(report.lengthSum / (kWalkingSpeedKmh * 1000.0)) + L"小时" +
           L"\n\n花销\n预计花费 " + cost.str() + L"元" + L"\n\n行走路径是\n" + report.startName +
           report.routeList;
}
