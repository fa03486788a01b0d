#include "editor/MapSave.h"

#include "map/MapFiles.h"

bool saveMapTables(const MapModel& map, const MapFilePaths& paths, UnsavedTables& unsaved) {
    if (!unsaved.spots && !unsaved.roads) return true;
    bool saved;
    if (unsaved.spots && unsaved.roads) {
        saved = writeBothMapFiles(paths.spots, map.spotTable, paths.roads, map.roadTable);
    } else {
        // What a failed save of both files left is settled first: its commit
        // mark or roll-back copy would make a kill during this save's write
        // roll this file forward or back at the next start.
        saved = recoverMapFiles(paths.spots, paths.roads) &&
                (unsaved.spots ? writeMapFile(paths.spots, map.spotTable) : writeMapFile(paths.roads, map.roadTable));
    }
    if (saved) unsaved = UnsavedTables{};
    return saved;
}
