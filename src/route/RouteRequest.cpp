#include "route/RouteRequest.h"

#include "map/HitTest.h"
#include "route/PathSearch.h"
#include "route/RouteDisplay.h"
#include "route/RouteReport.h"

const wchar_t* const kNextSpotHint = L"\nshift点击\n\n下一个景点\n\n确定路线终点";
const wchar_t* const kRouteTitle = L"路线分析";

bool passClickGate(RoutePick& pick) {
    if (pick.clickConsumed) {
        pick.clickConsumed = false;
        return false;
    }
    return !pick.pending;
}

bool pickSpot(MapModel& map, RoutePick& pick, sf::Vector2f mapPoint, InfoTargets info) {
    bool picked = false;
    for (int k = 1; k <= map.spotCount; ++k) {
        Spot& spot = map.spots[k];
        if (!spot.selectable) continue;
        if (picked) {
            if (!spotContains(spot, mapPoint)) spot.circle.setOutlineThickness(0.f);
            continue;
        }
        if (hitSpot(spot, mapPoint, info)) {
            picked = true;
            ++pick.pickCount;
            spot.selectable = false;
            pick.lastPicked = k;
            pick.end = k;
        }
    }
    return picked;
}

void resetPick(MapModel& map, RoutePick& pick) {
    pick.pickCount = 0;
    pick.pending = false;
    for (int k = 1; k <= map.spotCount; ++k) map.spots[k].selectable = true;
}

void pickRouteSpot(RouteSession& session, sf::Vector2f mapPoint) {
    RoutePick& pick = session.pick;
    pickSpot(session.map, pick, mapPoint, session.info);
    if (pick.pickCount == 1) {
        session.info.panel.body.setString(kNextSpotHint);
        pick.pending = true;
        pick.start = pick.lastPicked;
        pick.end = 0;
        session.info.panel.routePickIdle = false;
        clearRoadHighlights(session.map);
    } else if (pick.pickCount >= 2) {
        pick.pickCount = 0;
        pick.pending = false;
        if (pick.start != pick.end) showRoute(session, pick.start, pick.end);
        resetPick(session.map, pick);
    }
}

namespace {

void reportRoute(RouteSession& session, int start, int end) {
    SidePanel& panel = session.info.panel;
    MapModel& map = session.map;

    PathSearch search;
    if (!findRoute(session.graph, start, end, search)) {
        panel.title.setString(kRouteTitle);
        panel.body.setString(kNoRouteText);
        return;
    }
    // Before the first step, so an animated route grows where it is seen.
    if (session.bringIntoView) session.bringIntoView(spotsArea(map, search.route));
    const Spot& from = map.spots[start];
    const Spot& to = map.spots[end];
    RouteReport report = beginReport(from);
    walkRoute(session.graph, start, end, search, [&](const RouteStep& step) {
        recordStep(report, map.spots[step.to], map.roads[step.road]);
        panel.routePickIdle = false;
        panel.scrollMode = true;
        highlightStep(map, step);
        if (session.animation && session.animationFrame) session.animationFrame();
    });
    // Title and report together: the animation's frames show the panel as
    // the last pick left it.
    panel.title.setString(kRouteTitle);
    panel.body.setString(reportText(report, from, to, criterionTag(session.criterion)));
    showComparison(session.comparison, panel.body, compareCriteria(map, start, end),
                   currentCriterion(session.criterion), start, end);
}

}  // namespace

void showRoute(RouteSession& session, int start, int end) {
    session.pick.clickConsumed = true;
    reportRoute(session, start, end);
}

void showRouteAgain(RouteSession& session, int start, int end) {
    MapModel& map = session.map;
    if (start < 1 || end < 1 || start > map.spotCount || end > map.spotCount) return;
    clearHighlights(map);
    map.spots[start].circle.setOutlineThickness(kHighlightThickness);
    map.spots[end].circle.setOutlineThickness(kHighlightThickness);
    reportRoute(session, start, end);
}
