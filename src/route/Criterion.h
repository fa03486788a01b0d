#pragma once
// The seven route criteria and the integer weight each gives a road. The
// search minimises the sum of these weights along a route.
#include <string>

#include "map/Road.h"
#include "map/Spot.h"

// In the order of the criterion buttons on the settings page.
enum class Criterion { Distance, Cost, Speed, Rating, HighwayFirst, OrdinaryFirst, FewestRoads };
constexpr int kCriterionCount = 7;

// Seven exclusive flags indexed by Criterion; distance is the default.
struct RouteCriterion {
    bool flags[kCriterionCount] = {true, false, false, false, false, false, false};
};

// The weight of a road between spots a and b under the criterion; the same
// in both directions.
int roadWeight(const Road& road, const Spot& a, const Spot& b, Criterion c);

// The flags with c alone set.
RouteCriterion onlyCriterion(Criterion c);

// The criterion whose flag is set (distance when none is).
Criterion currentCriterion(const RouteCriterion& criterion);

// The report tag of the current criterion, such as "(距离优先)"; empty when
// no flag is set.
std::wstring criterionTag(const RouteCriterion& criterion);
