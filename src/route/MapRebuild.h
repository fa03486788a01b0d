#pragma once
// After an edit has written the map files, every spot, road and route table
// is rebuilt from the text tables.
#include <iosfwd>

#include "map/MapModel.h"
#include "route/RouteGraph.h"

// Builds every spot and road from its row (each road with a fresh congestion
// coefficient), lays the bars and enters the roads into the weight matrix
// under the criterion in force, so a route found next sees the edited map.
void rebuildMap(MapModel& map, const SpotTextures& textures, RouteGraph& graph, const RouteCriterion& criterion,
                std::ostream& console);
