#pragma once
// The seven route criteria and the integer weight each gives a road. The
// search minimises the sum of these weights along a route.
#include <string>

#include "map/Road.h"
#include "map/Spot.h"

// In the order of the criterion buttons on the settings page, top to bottom.
enum class Criterion { Distance, Cost, Speed, Rating, HighwayFirst, OrdinaryFirst, FewestRoads };
constexpr int kCriterionCount = 7;

// Every criterion, in that order.
constexpr Criterion kCriteria[kCriterionCount] = {Criterion::Distance,     Criterion::Cost,
                                                  Criterion::Speed,        Criterion::Rating,
                                                  Criterion::HighwayFirst, Criterion::OrdinaryFirst,
                                                  Criterion::FewestRoads};

// The criterion's place in that order: the index of its flag and its button.
constexpr int criterionIndex(Criterion c) { return static_cast<int>(c); }

// The caption of the criterion's button on the settings page, such as 距离远近.
const wchar_t* criterionCaption(Criterion c);

// The weight of a cell that no road joins; no road ever weighs this much.
constexpr int kNoRoad = 999999;
// The heaviest weight a road can have: a road at a standstill or without a
// usable speed limit under speed, and the cap of every weight, so each road
// stays in the graph.
constexpr int kHeaviestRoad = kNoRoad - 1;

// Seven exclusive flags, by criterionIndex; distance is the default.
struct RouteCriterion {
    bool flags[kCriterionCount] = {true, false, false, false, false, false, false};
};

// The weight of a road between spots a and b under the criterion, at most
// kHeaviestRoad; the same in both directions. Speed weighs the driving time at
// the limit times the road's congestion coefficient in whole seconds (at
// least 1); rating weighs 11 minus the two
// ratings, each taken in 1..5, so two 5-star spots give 1 and two 1-star 9.
int roadWeight(const Road& road, const Spot& a, const Spot& b, Criterion c);

// The flags with c alone set.
RouteCriterion onlyCriterion(Criterion c);

// The criterion whose flag is set (distance when none is).
Criterion currentCriterion(const RouteCriterion& criterion);

// The report tag of the current criterion, such as "(距离优先)"; empty when
// no flag is set.
std::wstring criterionTag(const RouteCriterion& criterion);
