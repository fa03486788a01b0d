#pragma once
// What an edit of the map touches outside the editor's own widgets, and the
// two steps every edit shares: committing it (record for undo, save,
// rebuild, report) and deleting the selected object.
#include <iosfwd>

#include "editor/MapHistory.h"
#include "editor/MapSave.h"
#include "editor/PropertyValues.h"
#include "editor/StatusMessage.h"
#include "map/MapClick.h"
#include "map/MapModel.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"
#include "route/RouteRequest.h"

struct EditorSession {
    MapModel& map;
    RouteGraph& graph;
    const RouteCriterion& criterion;  // the rebuilt graph is weighed under it
    SpotTextures textures;
    RoutePick& pick;      // the two-spot pick the road drawing shares with the route request
    InfoTargets info;     // the selection, the side panel and the console
    PropertyValues& values;
    StatusMessage& status;
    UnsavedTables& unsaved;
    MapHistory& history;
    MapFilePaths paths;
};

// After the tables changed: records the change for undo, saves the changed
// tables (with any still owed), then rebuilds every spot, road and the route
// graph from the tables. A save that fails shows "保存失败" in red; the change
// stays in memory and the next save writes it. Returns whether everything was saved.
bool commitEdit(EditorSession& session, bool spotsChanged, bool roadsChanged);

// Deletes the selected spot, with every road touching it and the later spots
// renumbered, or the selected road; commits it. Nothing happens while a
// route hint or report occupies the side panel. Nothing stays selected or
// outlined, since the numbers of the objects moved: the property panel
// gives way to the panel's resting content.
void deleteSelected(EditorSession& session);
