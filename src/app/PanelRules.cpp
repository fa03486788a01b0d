#include "app/PanelRules.h"

void openToolPanel(ToolPanels& tools, ToolPanel panel) { tools.open = panel; }

void closeToolPanels(ToolPanels& tools) { tools.open = ToolPanel::None; }

void toggleToolPanel(ToolPanels& tools, ToolPanel panel) {
    tools.open = tools.open == panel ? ToolPanel::None : panel;
}

bool isOpen(const ToolPanels& tools, ToolPanel panel) { return panel != ToolPanel::None && tools.open == panel; }

bool showsMap(Screen screen) { return screen == kUserScreen || screen == kAdminScreen; }

bool pageCoversMap(Screen screen, const ToolPanels& tools) {
    return isOpen(tools, ToolPanel::Settings) || userTableShown(screen, tools);
}

bool userTableShown(Screen screen, const ToolPanels& tools) {
    return screen == kAdminScreen && isOpen(tools, ToolPanel::UserTable);
}

bool routePicksReachMap(Screen screen, const ToolPanels& tools) {
    return showsMap(screen) && !pageCoversMap(screen, tools);
}

bool showsPropertyPanel(Screen screen, const Selection& selection) {
    return screen == kAdminScreen && panelShowsSelection(selection);
}

bool panelBodyShowsRoute(Screen screen, const ToolPanels& tools, const Selection& selection, bool routePickIdle) {
    return routePicksReachMap(screen, tools) && !routePickIdle && !showsPropertyPanel(screen, selection) &&
           !isOpen(tools, ToolPanel::Drawing);
}

bool mapClicksReachHitTests(Screen screen, const ToolPanels& tools, const Selection& selection, bool editing) {
    return tools.open == ToolPanel::None && !(editing && showsPropertyPanel(screen, selection));
}

bool findPanelOpens(Screen screen, const ToolPanels& tools, const Selection& selection, bool editing) {
    return routePicksReachMap(screen, tools) && !isOpen(tools, ToolPanel::Drawing) &&
           !(editing && showsPropertyPanel(screen, selection));
}

bool mapHistoryKeysReachMap(Screen screen, const ToolPanels& tools, const Selection& selection, bool editing) {
    return screen == kAdminScreen && !pageCoversMap(screen, tools) &&
           !(editing && showsPropertyPanel(screen, selection));
}

bool wheelZooms(Screen screen, const ToolPanels& tools, const PointerState& pointer) {
    if (!showsMap(screen) || pointer.mouseHeld || pointer.panelDrag) return false;
    return !(screen == kAdminScreen && pageCoversMap(screen, tools));
}
