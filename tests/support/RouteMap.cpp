#include "support/RouteMap.h"

int RouteMap::spot(const std::string& cost, int rating, const std::wstring& name) {
    const int n = map->spotTable.count + 1;
    // Spots in rows of seven, 100 units apart, as a drawn map would hold them.
    const int x = 100 * ((n - 1) % 7);
    const int y = 100 * ((n - 1) / 7);
    return addSpotRow(*map, L"酒店", name.empty() ? L"景点" + std::to_wstring(n) : name, rating, x, y, cost);
}

int RouteMap::road(int length, int endSpot, int startSpot, const std::wstring& type, int limit) {
    const int n = map->roadTable.count + 1;
    return addRoadRow(*map, type, L"道路" + std::to_wstring(n), length, limit, endSpot, startSpot);
}

void RouteMap::build(Criterion c) {
    buildMap(*map);
    for (int n = 1; n <= map->roadCount; ++n) map->roads[n].congestion = 1.f;
    buildGraph(*graph, *map, c);
}

std::vector<int> WalkedRoute::spots(int start) const {
    std::vector<int> result{start};
    for (const RouteStep& step : steps) result.push_back(step.to);
    return result;
}

std::vector<int> WalkedRoute::roads() const {
    std::vector<int> result;
    for (const RouteStep& step : steps) result.push_back(step.road);
    return result;
}

WalkedRoute searchAndWalk(const RouteGraph& graph, int start, int end) {
    WalkedRoute route;
    PathSearch state;
    route.found = findRoute(graph, start, end, state);
    if (route.found)
        walkRoute(graph, start, end, state, [&route](const RouteStep& step) { route.steps.push_back(step); });
    return route;
}
