#include "app/AppActions.h"

#include "app/WindowMode.h"
#include "settings/HelpTexts.h"

namespace {

// The map keeps its centre and zoom, sized for the new window. The release
// of the press that asked for the switch goes to the old window, so no
// button counts as held afterwards.
void toggleFullScreen(AppState& app) {
    app.settings.fullScreenOn = switchWindowMode(app.window, !app.settings.fullScreenOn, app.contextSettings,
                                                 console(app), app.windowModeWarned);
    fitToWindow(app.views, app.window);
    endDrag(app.frame.pointer);
    releaseVolumeKnob(app.settings);
}

}  // namespace

void changeScreen(AppState& app, Screen next) {
    app.frame.screen = next;
    app.backButton.setString(showsMap(next) ? L"退出登录" : L"返回");
    placeToolButtons(app.toolButtons, next);
}

void applyLoginAction(AppState& app, LoginAction action) {
    switch (action) {
        case LoginAction::OpenForgotPassword:
            showQrPage(app.qrPage, L"扫码支付为你恢复账号密码");
            changeScreen(app, kQrPage);
            break;
        case LoginAction::OpenVip:
            showQrPage(app.qrPage, L"扫码支付为你提供VIP账号");
            changeScreen(app, kQrPage);
            break;
        case LoginAction::Quit:
            app.window.close();
            break;
        case LoginAction::None:
            break;
    }
}

// Closing the drawing panel, or opening another panel in its place, leaves
// its modes and any road pick begun, and takes away the outlines its picks
// left (the ends of a road drawn or refused).
void applyToolToggle(AppState& app, ToolPanel toggled) {
    if (toggled == ToolPanel::None) return;
    const bool drawingWasOpen = isOpen(app.tools, ToolPanel::Drawing);
    toggleToolPanel(app.tools, toggled);
    if (!isOpen(app.tools, ToolPanel::Drawing))
        resetDrawingPanel(app.editor.drawing, app.editor.status, app.map, app.pick);
    if (drawingWasOpen && !isOpen(app.tools, ToolPanel::Drawing)) clearHighlights(app.map);
    if (isOpen(app.tools, ToolPanel::UserTable)) {
        // The table stands in map coordinates at the view's home position.
        recentre(app.views, app.window);
        openUserTable(app.userTable, kUsersFile);
    }
}

void applyComparisonChoice(AppState& app, std::optional<Criterion> chosen) {
    if (!chosen || app.criterion.flags[criterionIndex(*chosen)]) return;
    const float top = comparisonTop(app.comparison, app.panel.body);
    selectCriterion(app.criterion, *chosen, app.graph, app.map);
    RouteSession session = routeSession(app);
    showRouteAgain(session, app.comparison.start, app.comparison.end);
    if (top < app.views.interfaceView.getSize().y)
        scrollPanelTexts(app.panel, comparisonTop(app.comparison, app.panel.body) - top);
}

void applySettingsAction(AppState& app, SettingsAction action) {
    if (action == SettingsAction::ToggleFullScreen) toggleFullScreen(app);
}

// Nothing of this session waits for the next: the panels close, an edit not
// confirmed is dropped, the steps to undo go, nothing stays selected or
// outlined (a shown route neither) and the side panel comes to rest with the
// help text.
void logout(AppState& app) {
    changeScreen(app, kLoginScreen);
    resetLoginScreen(app.login);
    recentre(app.views, app.window);
    closeToolPanels(app.tools);
    resetDrawingPanel(app.editor.drawing, app.editor.status, app.map, app.pick);
    resetUserTable(app.userTable);
    if (app.editor.property.editing) showPropertyValues(app.editor.property, app.properties);
    hideStatus(app.editor.status);
    startMapHistory(app.editor.history, app.map.spotTable, app.map.roadTable);
    app.panel.routePickIdle = true;
    resetComparison(app.comparison);
    resetFindPanel(app.find);
    clearMapSelection(app.map, app.selection);
    showHelpAtRest(app.panel, true);
}
