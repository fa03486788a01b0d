#pragma once
// The route request: holding the left Shift key, the user clicks a start spot
// and then an end spot; the second pick finds, shows and reports the route.
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <functional>

#include "map/MapClick.h"
#include "map/MapModel.h"
#include "route/ComparisonPanel.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"

struct RoutePick {
    int pickCount = 0;
    int lastPicked = 0;
    int start = 0;
    int end = 0;                // 0: no end yet
    bool pending = false;       // between the first and the second pick
    bool clickConsumed = false; // the click that completed a request is not also an ordinary click
};

// The parts of the App that a route request reads and writes.
struct RouteSession {
    MapModel& map;
    const RouteGraph& graph;
    const RouteCriterion& criterion;
    RoutePick& pick;
    InfoTargets info;  // the side panel's modes tell the screens a request occupies it
    bool animation;                       // grow the route one road at a time
    std::function<void()> animationFrame; // draws the screen, shows it and pauses
    // Moves the map view so the map rectangle is in sight (bringIntoView).
    std::function<void(const sf::FloatRect&)> bringIntoView;
    ComparisonPanel& comparison;          // the report's last section
};

extern const wchar_t* const kNextSpotHint;
extern const wchar_t* const kRouteTitle;  // the panel title over a route's report

// Gate in front of every ordinary left click: swallows the click that
// completed a request and every click while a request is pending. Returns
// whether the click may go on.
bool passClickGate(RoutePick& pick);

// One pick of the shared two-spot pick, used by the route request and by the
// road drawing: the first selectable spot under the map point is hit (and so
// selected and shown), counted and made unselectable; where two selectable
// spots overlap only the first is picked, so a pick never jumps from none to
// two and leaves a stale start behind. Selectable spots the point misses
// lose their highlight. Returns whether a spot was picked.
bool pickSpot(MapModel& map, RoutePick& pick, sf::Vector2f mapPoint, InfoTargets info);

// Ends a pick: the count goes back to 0, no request is pending and every
// spot is selectable again.
void resetPick(MapModel& map, RoutePick& pick);

// A mouse press with the left Shift key held, at a map point.
void pickRouteSpot(RouteSession& session, sf::Vector2f mapPoint);

// Searches from start to end, brings a found route's spots into view,
// outlines the route on the map step by step and writes the report, every
// criterion's figures at its foot, into the side panel. The click that asked
// for it is not also an ordinary click.
void showRoute(RouteSession& session, int start, int end);

// The same two spots' route under the criterion now in force, in place of the
// one shown: only the two ends keep their outline before the new route is
// outlined.
void showRouteAgain(RouteSession& session, int start, int end);
