#pragma once
// Which screen or panel may act: the administrator's three tool panels, of
// which at most one is open, and the rules the dispatch and the drawing ask.
#include "app/FrameFlags.h"
#include "map/Selection.h"

enum class ToolPanel { None, Drawing, UserTable, Settings };

struct ToolPanels {
    ToolPanel open = ToolPanel::None;
};

// Opens the panel and so closes the other two.
void openToolPanel(ToolPanels& tools, ToolPanel panel);
void closeToolPanels(ToolPanels& tools);
// Closes the panel when it is open, otherwise opens it (closing the others).
void toggleToolPanel(ToolPanels& tools, ToolPanel panel);
bool isOpen(const ToolPanels& tools, ToolPanel panel);

// The user and administrator screens show the map (or a page in its place).
bool showsMap(Screen screen);

// A page is drawn in place of the map: the settings page on either screen,
// the user-data table on the administrator screen. The map does not move
// while a page covers it.
bool pageCoversMap(Screen screen, const ToolPanels& tools);

// The administrator screen shows the property panel of the selected spot or
// road in place of the panel's resting content.
bool showsPropertyPanel(Screen screen, const Selection& selection);

// The user-data table is open on the administrator screen: it takes the
// keys, blinks its cells and is drawn.
bool userTableShown(Screen screen, const ToolPanels& tools);

// A press with the left Shift key held picks a route spot only where the
// map itself is on screen.
bool routePicksReachMap(Screen screen, const ToolPanels& tools);

// The side panel's body is on screen holding a route hint or report: on the
// map screens while no page covers the map and, on the administrator screen,
// neither the property panel nor the drawing panel takes its place.
bool panelBodyShowsRoute(Screen screen, const ToolPanels& tools, const Selection& selection, bool routePickIdle);

// A left click on the map runs the hit tests of every road and spot only
// while no tool panel is open and no property edit is shown in progress:
// while editing, a press on the map changes no selection.
bool mapClicksReachHitTests(Screen screen, const ToolPanels& tools, const Selection& selection, bool editing);

// Ctrl+F opens the find panel on a map screen while no page covers the map,
// the drawing panel (whose modes own the clicks on the map) is closed and no
// property edit takes the keys.
bool findPanelOpens(Screen screen, const ToolPanels& tools, const Selection& selection, bool editing);

// Ctrl+Z and Ctrl+Y step through the map's changes on the administrator
// screen while the map is on screen and no property edit takes the keys.
bool mapHistoryKeysReachMap(Screen screen, const ToolPanels& tools, const Selection& selection, bool editing);

// The wheel zooms on a map screen while no button is held and no drag goes
// on over the side panel; on the administrator screen not while a page covers
// the map.
bool wheelZooms(Screen screen, const ToolPanels& tools, const PointerState& pointer);
