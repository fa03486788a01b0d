#include "route/Criterion.h"

#include <cstdint>

#include "base/Truncate.h"

namespace {

int index(Criterion c) { return static_cast<int>(c); }

// Flags are read in this order for the tag, and for the current criterion so
// that the weights and the tag of a report always agree.
constexpr Criterion kTagOrder[kCriterionCount] = {
    Criterion::Speed,        Criterion::Cost,          Criterion::Rating,     Criterion::Distance,
    Criterion::HighwayFirst, Criterion::OrdinaryFirst, Criterion::FewestRoads};

const wchar_t* tagOf(Criterion c) {
    switch (c) {
    case Criterion::Distance: return L"(距离优先)";
    case Criterion::Cost: return L"(花费优先)";
    case Criterion::Speed: return L"(速度优先)";
    case Criterion::Rating: return L"(评价优先)";
    case Criterion::HighwayFirst: return L"(高速优先)";
    case Criterion::OrdinaryFirst: return L"(普通优先)";
    case Criterion::FewestRoads: return L"(路径最少)";
    }
    return L"";
}

}  // namespace

int roadWeight(const Road& road, const Spot& a, const Spot& b, Criterion c) {
    switch (c) {
    case Criterion::Distance: return truncateToInt(road.length);
    case Criterion::Cost: return truncateToInt((a.cost + b.cost) * 0.5f);
    case Criterion::Speed: return road.speedLimit;
    case Criterion::Rating:
        // Summed in 64 bits so two ratings near the integer limit cannot
        // overflow; the halved result always fits again.
        return static_cast<int>((static_cast<std::int64_t>(a.rating) + b.rating) / 2);
    case Criterion::HighwayFirst: return road.type == L"普通道路" ? 1000 : 1;
    case Criterion::OrdinaryFirst: return road.type == L"高速公路" ? 1000 : 1;
    case Criterion::FewestRoads: return 100;
    }
    return 0;
}

RouteCriterion onlyCriterion(Criterion c) {
    RouteCriterion criterion;
    for (int i = 0; i < kCriterionCount; ++i) criterion.flags[i] = i == index(c);
    return criterion;
}

Criterion currentCriterion(const RouteCriterion& criterion) {
    for (Criterion c : kTagOrder)
        if (criterion.flags[index(c)]) return c;
    return Criterion::Distance;
}

std::wstring criterionTag(const RouteCriterion& criterion) {
    for (Criterion c : kTagOrder)
        if (criterion.flags[index(c)]) return tagOf(c);
    return std::wstring();
}
