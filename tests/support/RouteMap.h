#pragma once
// A small map for route tests: spots and roads are added as table rows, then
// built together with the weight matrix, as the program does at start-up.
#include <memory>
#include <string>
#include <vector>

#include "route/PathSearch.h"
#include "route/RouteGraph.h"
#include "support/MapRows.h"

struct RouteMap {
    std::unique_ptr<MapModel> map = emptyMap();
    std::unique_ptr<RouteGraph> graph = std::make_unique<RouteGraph>();

    // Adds a hotel named "景点<n>" unless a name is given; returns its number.
    int spot(const std::string& cost = "0", int rating = 3, const std::wstring& name = L"");
    // Adds a road between two spot numbers; returns its number.
    int road(int length, int endSpot, int startSpot, const std::wstring& type = kOrdinary, int limit = 60);
    // Builds spots and roads from the rows, every road free-flowing
    // (congestion 1) so that speed weights are those of the limits, then the
    // graph under c.
    void build(Criterion c = Criterion::Distance);

    Spot& spotAt(int n) { return map->spots[n]; }
    Road& roadAt(int n) { return map->roads[n]; }
};

// The outcome of a search and its walk.
struct WalkedRoute {
    bool found = false;
    std::vector<RouteStep> steps;

    std::vector<int> spots(int start) const;  // start, then every spot reached
    std::vector<int> roads() const;           // the road of every step
};

WalkedRoute searchAndWalk(const RouteGraph& graph, int start, int end);
