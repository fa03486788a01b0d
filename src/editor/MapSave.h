#pragma once
// Saving the edited text tables. A table whose save failed stays owed, and
// every later save writes it again with the table just edited: a spots file
// written after a failed deletion always comes with its roads file.
#include <string>

#include "map/MapModel.h"

struct MapFilePaths {
    std::string spots;
    std::string roads;
};

// The tables whose file does not yet hold their content.
struct UnsavedTables {
    bool spots = false;
    bool roads = false;
};

// Writes every owed table, both together when both are owed. Returns whether
// everything owed is now on disk; owed tables stay owed on failure.
bool saveMapTables(const MapModel& map, const MapFilePaths& paths, UnsavedTables& unsaved);
