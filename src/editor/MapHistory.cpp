#include "editor/MapHistory.h"

namespace {

// Rows beyond the count are not part of the map.
bool sameRows(const TextTable& a, const TextTable& b) {
    if (a.count != b.count) return false;
    for (int i = 0; i < a.count; ++i)
        if (a.rows[i] != b.rows[i]) return false;
    return true;
}

// Moves the latest step of `from` into the tables; the tables as they were
// become the latest step of `to`.
bool step(MapHistory& history, std::deque<MapTables>& from, std::deque<MapTables>& to, TextTable& spots,
          TextTable& roads) {
    if (from.empty()) return false;
    to.push_back(MapTables{spots, roads});
    history.current = std::move(from.back());
    from.pop_back();
    spots = history.current.spots;
    roads = history.current.roads;
    return true;
}

}  // namespace

void startMapHistory(MapHistory& history, const TextTable& spots, const TextTable& roads) {
    history.current = MapTables{spots, roads};
    history.undo.clear();
    history.redo.clear();
}

bool recordMapChange(MapHistory& history, const TextTable& spots, const TextTable& roads) {
    if (sameRows(history.current.spots, spots) && sameRows(history.current.roads, roads)) return false;
    history.undo.push_back(std::move(history.current));
    if (history.undo.size() > kMaxUndoSteps) history.undo.pop_front();
    history.redo.clear();
    history.current = MapTables{spots, roads};
    return true;
}

bool undoMapChange(MapHistory& history, TextTable& spots, TextTable& roads) {
    return step(history, history.undo, history.redo, spots, roads);
}

bool redoMapChange(MapHistory& history, TextTable& spots, TextTable& roads) {
    return step(history, history.redo, history.undo, spots, roads);
}
