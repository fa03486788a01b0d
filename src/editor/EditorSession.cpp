#include "editor/EditorSession.h"

#include "editor/MapEdits.h"
#include "route/MapRebuild.h"

bool commitEdit(EditorSession& session, bool spotsChanged, bool roadsChanged) {
    recordMapChange(session.history, session.map.spotTable, session.map.roadTable);
    session.unsaved.spots = session.unsaved.spots || spotsChanged;
    session.unsaved.roads = session.unsaved.roads || roadsChanged;
    const bool saved = saveMapTables(session.map, session.paths, session.unsaved);
    rebuildMap(session.map, session.textures, session.graph, session.criterion, session.info.console);
    if (!saved) showStatus(session.status, L"保存失败", sf::Color::Red);
    return saved;
}

void deleteSelected(EditorSession& session) {
    hideStatus(session.status);
    if (!session.info.panel.routePickIdle) return;
    const Selection& selection = session.info.selection;
    MapModel& map = session.map;
    const bool spot = selection.kind == SelectedKind::Spot;
    const int number = selectedNumber(selection);
    const TextTable& table = spot ? map.spotTable : map.roadTable;
    if (number < 1 || number > table.count) return;
    if (spot) deleteSpotRows(map.spotTable, map.roadTable, number);
    else deleteRoadRow(map.roadTable, number);
    commitEdit(session, spot, true);
    // The selection's number now names another object or none.
    clearMapSelection(map, session.info.selection);
}
