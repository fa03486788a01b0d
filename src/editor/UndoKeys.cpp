#include "editor/UndoKeys.h"

#include "route/MapRebuild.h"

namespace {

// The spot and road numbers of the rebuilt map may name other objects than
// before: nothing stays selected, outlined or picked, and a route hint or
// report, which names the old spots, gives way to the panel's resting content.
void settlePanel(EditorSession& session) {
    clearMapSelection(session.map, session.info.selection);
    resetPick(session.map, session.pick);
    session.pick.pending = false;
    SidePanel& panel = session.info.panel;
    panel.routePickIdle = true;
    endPanelScroll(panel);
}

}  // namespace

bool handleMapHistoryKeys(MapEditor& editor, EditorSession& session, const sf::Event& event) {
    if (event.type != sf::Event::KeyPressed || !event.key.control) return false;
    const bool z = event.key.code == sf::Keyboard::Z;
    if (!z && event.key.code != sf::Keyboard::Y) return false;
    const bool rested = stepMapHistory(session, z && !event.key.shift);
    addModePrompt(editor.drawing, editor.status, session.pick);
    return rested;
}

bool stepMapHistory(EditorSession& session, bool back) {
    MapModel& map = session.map;
    // The message stands at the foot of the panel a route hint or report
    // fills: the route gives way whether or not there is a step.
    const bool routeShown = !session.info.panel.routePickIdle;
    if (routeShown) settlePanel(session);
    const auto forth = back ? undoMapChange : redoMapChange;
    const auto undoForth = back ? redoMapChange : undoMapChange;
    if (!forth(session.history, map.spotTable, map.roadTable)) {
        showStatus(session.status, back ? L"没有可撤销的修改" : L"没有可重做的修改", sf::Color::Yellow);
        return routeShown;
    }
    // Both files at once, so they never disagree on disk.
    session.unsaved = UnsavedTables{true, true};
    if (!saveMapTables(map, session.paths, session.unsaved)) {
        undoForth(session.history, map.spotTable, map.roadTable);
        showStatus(session.status, L"保存失败", sf::Color::Red);
        return routeShown;
    }
    rebuildMap(map, session.textures, session.graph, session.criterion, session.info.console);
    settlePanel(session);
    showStatus(session.status, back ? L"已撤销" : L"已重做", sf::Color::Green);
    return true;
}
