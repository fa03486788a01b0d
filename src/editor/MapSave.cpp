#include "editor/MapSave.h"

#include "map/MapFiles.h"

bool saveMapTables(const MapModel& map, const MapFilePaths& paths, UnsavedTables& unsaved) {
    bool saved = true;
    if (unsaved.spots && unsaved.roads) saved = writeBothMapFiles(paths.spots, map.spotTable, paths.roads, map.roadTable);
    else if (unsaved.spots) saved = writeMapFile(paths.spots, map.spotTable);
    else if (unsaved.roads) saved = writeMapFile(paths.roads, map.roadTable);
    if (saved) unsaved = UnsavedTables{};
    return saved;
}
