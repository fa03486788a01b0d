// The map files as the program meets them: the input is a spots file and a
// roads file (cut at the piece separator). Both are read, every spot and road
// built, the bars laid, the panel texts made, the weight matrix built and a
// route searched and reported under all seven criteria; then the editor's
// row edits run and the map is rebuilt, as after an edit.
#include <memory>
#include <sstream>

#include "FuzzInput.h"
#include "editor/MapEdits.h"
#include "map/InfoPanel.h"
#include "map/MapFiles.h"
#include "route/MapRebuild.h"
#include "route/PathSearch.h"
#include "route/RouteReport.h"
#include "support/TempDir.h"

namespace {

// What a save writes reads back as the same rows.
void checkSaveReadsBack(const TextTable& table, const TempDir& dir) {
    const std::string path = dir.file("saved.txt");
    writeBytes(path, mapFileText(table));
    TextTable again;
    std::ostringstream console;
    readMapFile(path, again, console);
    fuzzCheck(again.count == table.count, "a saved map file keeps its row count");
    for (int i = 0; i < table.count; ++i) fuzzCheck(again.rows[i] == table.rows[i], "a saved map file keeps its rows");
}

void routeUnderEveryCriterion(MapModel& map, RouteGraph& graph, PathSearch& search) {
    RouteCriterion criterion;
    for (int c = 0; c < kCriterionCount; ++c) {
        selectCriterion(criterion, static_cast<Criterion>(c), graph, map);
        const int start = 1, end = map.spotCount;
        if (!findRoute(graph, start, end, search)) continue;
        RouteReport report = beginReport(map.spots[start]);
        int steps = 0;
        walkRoute(graph, start, end, search, [&](const RouteStep& step) {
            fuzzCheck(roadEndsValid(map, map.roads[step.road]), "a route step takes a drawn road");
            recordStep(report, map.spots[step.to], map.roads[step.road]);
            ++steps;
        });
        fuzzCheck(steps <= map.spotCount, "a route visits each spot at most once");
        reportText(report, map.spots[start], map.spots[end], criterionTag(criterion));
    }
}

void buildEverything(MapModel& map, RouteGraph& graph, PathSearch& search, std::ostream& console) {
    rebuildMap(map, SpotTextures{}, graph, RouteCriterion{}, console);
    for (int n = 1; n <= map.spotCount; ++n) spotInfoText(map.spots[n]);
    for (int n = 1; n <= map.roadCount; ++n) roadInfoText(map.roads[n]);
    routeUnderEveryCriterion(map, graph, search);
}

// The drawing mode's edits: a spot placed beside the first, a road from it
// to the first, then the first road and the first spot deleted.
void editRows(MapModel& map) {
    const sf::Vector2f beside = map.spotCount > 0 ? map.spots[1].centre() + sf::Vector2f(80.f, 0.f) : sf::Vector2f();
    if (appendSpotRow(map.spotTable, beside) == PlaceOutcome::Placed)
        appendRoadRow(map.roadTable, map.spotTable.count, 1);
    deleteRoadRow(map.roadTable, 1);
    deleteSpotRows(map.spotTable, map.roadTable, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempDir dir;
    const std::vector<std::string> files = splitInput(data, size, 2);
    writeBytes(dir.file("cross.txt"), files[0]);
    writeBytes(dir.file("route.txt"), files[1]);

    // Made once and refilled, as the program rebuilds its one map after an
    // edit (and a fresh 100 KB map a run would cost most of the time).
    static auto map = std::make_unique<MapModel>();
    static auto graph = std::make_unique<RouteGraph>();
    static auto search = std::make_unique<PathSearch>();
    map->spotTable = TextTable();
    map->roadTable = TextTable();
    std::ostringstream console;
    readMapFile(dir.file("cross.txt"), map->spotTable, console);
    readMapFile(dir.file("route.txt"), map->roadTable, console);
    checkSaveReadsBack(map->spotTable, dir);
    checkSaveReadsBack(map->roadTable, dir);

    buildEverything(*map, *graph, *search, console);
    editRows(*map);
    checkSaveReadsBack(map->spotTable, dir);
    checkSaveReadsBack(map->roadTable, dir);
    buildEverything(*map, *graph, *search, console);
    return 0;
}
