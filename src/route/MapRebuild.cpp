#include "route/MapRebuild.h"

void rebuildMap(MapModel& map, const SpotTextures& textures, RouteGraph& graph, const RouteCriterion& criterion,
                std::ostream& console) {
    buildAllSpots(map, textures);
    buildAllRoads(map);
    layAllBars(map, console);
    // Resets the matrix for the new spot count before entering the roads.
    buildGraph(graph, map, currentCriterion(criterion));
}
