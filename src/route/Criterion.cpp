#include "route/Criterion.h"

#include <algorithm>
#include <cmath>

#include "base/Truncate.h"
#include "map/Vocabulary.h"

namespace {

// Flags are read in this order for the tag, and for the current criterion so
// that the weights and the tag of a report always agree.
constexpr Criterion kTagOrder[kCriterionCount] = {
    Criterion::Speed,        Criterion::Cost,          Criterion::Rating,     Criterion::Distance,
    Criterion::HighwayFirst, Criterion::OrdinaryFirst, Criterion::FewestRoads};

// The names of each criterion, by criterionIndex: its button's caption and
// its report tag.
struct CriterionNames {
    const wchar_t* caption;
    const wchar_t* tag;
};
constexpr CriterionNames kNames[kCriterionCount] = {
    {L"距离远近", L"(距离优先)"}, {L"花费预算", L"(花费优先)"}, {L"速度优先", L"(速度优先)"},
    {L"客户评价", L"(评价优先)"}, {L"高速优先", L"(高速优先)"}, {L"普通优先", L"(普通优先)"},
    {L"路径最少", L"(路径最少)"}};

// Whole seconds to drive the road at its effective speed, the limit slowed by
// its congestion (metres × 3.6 / km/h), at least 1: the time the report adds
// up, so the quickest route by this weight is the quickest the report shows.
// A road at a standstill or without a usable limit cannot be timed: it gets
// the heaviest weight, so a route uses it only when nothing else connects.
int drivingSeconds(const Road& road) {
    const double speedKmh = static_cast<double>(road.speedLimit) * road.congestion;
    if (road.speedLimit <= 0 || !(speedKmh > 0.0)) return kHeaviestRoad;
    const double seconds = std::trunc(static_cast<double>(road.length) * 3.6 / speedKmh);
    if (!(seconds < kHeaviestRoad)) return kHeaviestRoad;
    if (seconds < 1.0) return 1;  // also a negative length, before it could overflow the conversion
    return static_cast<int>(seconds);
}

// Ratings are whole stars, 1 to 5; a file may hold any number.
constexpr int kBestRating = 5;
int stars(int rating) { return std::clamp(rating, 1, kBestRating); }

// The better the two spots are rated, the lighter the road: 1 for two
// 5-star spots, 9 for two 1-star spots, never 0.
int ratingWeight(const Spot& a, const Spot& b) { return 2 * kBestRating + 1 - (stars(a.rating) + stars(b.rating)); }

int uncappedWeight(const Road& road, const Spot& a, const Spot& b, Criterion c) {
    switch (c) {
    case Criterion::Distance: return truncateToInt(road.length);
    case Criterion::Cost: return truncateToInt((a.cost + b.cost) * 0.5f);
    case Criterion::Speed: return drivingSeconds(road);
    case Criterion::Rating: return ratingWeight(a, b);
    case Criterion::HighwayFirst: return road.type == kOrdinaryRoadType ? 1000 : 1;
    case Criterion::OrdinaryFirst: return road.type == kHighwayType ? 1000 : 1;
    case Criterion::FewestRoads: return 100;
    }
    return 0;
}

}  // namespace

// A weight of kNoRoad or more would make the search take the road for no
// road at all, so huge lengths and costs stop just below it.
int roadWeight(const Road& road, const Spot& a, const Spot& b, Criterion c) {
    return std::min(uncappedWeight(road, a, b, c), kHeaviestRoad);
}

const wchar_t* criterionCaption(Criterion c) { return kNames[criterionIndex(c)].caption; }

RouteCriterion onlyCriterion(Criterion c) {
    RouteCriterion criterion;
    for (int i = 0; i < kCriterionCount; ++i) criterion.flags[i] = i == criterionIndex(c);
    return criterion;
}

Criterion currentCriterion(const RouteCriterion& criterion) {
    for (Criterion c : kTagOrder)
        if (criterion.flags[criterionIndex(c)]) return c;
    return Criterion::Distance;
}

std::wstring criterionTag(const RouteCriterion& criterion) {
    for (Criterion c : kTagOrder)
        if (criterion.flags[criterionIndex(c)]) return kNames[criterionIndex(c)].tag;
    return std::wstring();
}
