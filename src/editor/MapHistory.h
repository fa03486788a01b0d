#pragma once
// The steps of the map editor's undo and redo, free of any window: the two
// text tables as they stood before each change, and as they stood before
// each undo, so every step restores both tables exactly. Kept in memory for
// the session only.
#include <cstddef>
#include <deque>

#include "map/TextTable.h"

// At least this many changes can be undone; the oldest beyond go.
constexpr std::size_t kMaxUndoSteps = 100;

struct MapTables {
    TextTable spots;
    TextTable roads;
};

struct MapHistory {
    MapTables current;           // the tables as the last change or step left them
    std::deque<MapTables> undo;  // the state before each change, the latest last
    std::deque<MapTables> redo;  // the state before each undo, the latest last
};

// Starts at these tables with nothing to undo or redo.
void startMapHistory(MapHistory& history, const TextTable& spots, const TextTable& roads);

// After the tables changed: the state before the change becomes the step to
// undo and every redo step goes. A change that left both tables as they were
// records nothing. Returns whether a step was recorded.
bool recordMapChange(MapHistory& history, const TextTable& spots, const TextTable& roads);

// Puts the tables back as they were before the last change (undo), or as
// they were before the last undo (redo); the state left becomes a step the
// other way, so an undo followed by a redo changes nothing. Returns false,
// changing nothing, when there is no such step.
bool undoMapChange(MapHistory& history, TextTable& spots, TextTable& roads);
bool redoMapChange(MapHistory& history, TextTable& spots, TextTable& roads);
