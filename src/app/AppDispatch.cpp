// Event dispatch: every window event passes the hooks below in this order,
// one call per subsystem.
#include "app/AppDispatch.h"

#include "app/AppActions.h"
#include "app/EscapeKey.h"
#include "app/FindPlace.h"
#include "editor/PropertyEditing.h"
#include "editor/UndoKeys.h"
#include "settings/HelpTexts.h"

namespace {

// The hooks of the dispatch.
void handleScreenKeys(AppState& app, const sf::Event& event);
void handleMapEvent(AppState& app, const sf::Event& event);
void handleRoutePick(AppState& app, const sf::Event& event);
void handleWheel(AppState& app, const sf::Event::MouseWheelScrollEvent& wheel);
void handleMousePress(AppState& app, const sf::Event::MouseButtonEvent& press);
void handleMouseRelease(AppState& app, const sf::Event::MouseButtonEvent& release);
void handleMouseMove(AppState& app, sf::Vector2i pixel);
void handleAdminPanelsClick(AppState& app, sf::Vector2i pixel);
void handleMapScreenClick(AppState& app, sf::Vector2i pixel);
void hoverScreen(AppState& app, sf::Vector2i pixel);

}  // namespace

void dispatchEvent(AppState& app, const sf::Event& event) {
    // While the find panel is open its field takes every key but Escape.
    const bool finding = app.find.open;
    if (!finding) handleScreenKeys(app, event);
    handleEscapeKey(app, event);
    if (!handleFindEvent(app, event, finding)) handleMapEvent(app, event);
    if (followSelection(app.properties, app.map, app.selection, app.editor.property.editing))
        showPropertyValues(app.editor.property, app.properties);
    app.window.setView(app.views.mapView);
}

void leftClickAt(AppState& app, sf::Vector2i pixel) {
    switch (app.frame.screen) {
        case kQrPage:
            if (handleQrPageClick(app.backButton, toInterface(app.window, app.views, pixel)) == QrAction::BackToLogin)
                changeScreen(app, kLoginScreen);
            break;
        case kLoginScreen:
            applyLoginAction(app, handleLoginClick(app.login, toMap(app.window, app.views, pixel), loginContext(app)));
            break;
        case kAdminScreen:
            if (!app.panel.scrollMode) handleAdminPanelsClick(app, pixel);
            handleMapScreenClick(app, pixel);
            break;
        case kUserScreen:
            handleMapScreenClick(app, pixel);
            break;
    }
}

// A press with the left Shift key held picks a route spot, where the map is
// on screen: an invisible pick (on the login screen, under a page) would
// leave the next clicks ignored.
void routePickAt(AppState& app, sf::Vector2i pixel) {
    if (!routePicksReachMap(app.frame.screen, app.tools)) return;
    RouteSession session = routeSession(app);
    pickRouteSpot(session, toMap(app.window, app.views, pixel));
    // The message at the resting panel's foot would stand over the route's
    // hint or report (the drawing panel keeps its own).
    if (!app.panel.routePickIdle && !isOpen(app.tools, ToolPanel::Drawing)) hideStatus(app.editor.status);
}

namespace {

void handleMapEvent(AppState& app, const sf::Event& event) {
    // H re-centres on every screen, also while a text field has the focus.
    if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::H) recentre(app.views, app.window);
    handleRoutePick(app, event);

    switch (event.type) {
        case sf::Event::Closed:
            app.window.close();
            break;
        case sf::Event::MouseWheelScrolled:
            handleWheel(app, event.mouseWheelScroll);
            break;
        case sf::Event::MouseButtonPressed:
            handleMousePress(app, event.mouseButton);
            break;
        case sf::Event::MouseButtonReleased:
            handleMouseRelease(app, event.mouseButton);
            break;
        case sf::Event::MouseMoved:
            handleMouseMove(app, {event.mouseMove.x, event.mouseMove.y});
            break;
        default:
            break;
    }
}

void handleScreenKeys(AppState& app, const sf::Event& event) {
    const Screen screen = app.frame.screen;
    if (screen == kLoginScreen) handleLoginKeys(app.login, event, loginContext(app));
    if (showsPropertyPanel(screen, app.selection)) handlePropertyKeys(app.editor.property, event);
    if (userTableShown(screen, app.tools)) handleUserTableKeys(app.userTable, event);
    if (panelBodyShowsRoute(screen, app.tools, app.selection, app.panel.routePickIdle))
        applyComparisonChoice(app, handleComparisonKeys(app.comparison, app.panel.body, event));
    if (!mapHistoryKeysReachMap(screen, app.tools, app.selection, app.editor.property.editing)) return;
    EditorSession session = editorSession(app);
    if (handleMapHistoryKeys(app.editor, session, event)) app.panel.title.setString(kAdminPanelTitle);
}

void handleRoutePick(AppState& app, const sf::Event& event) {
    if (!routePicksReachMap(app.frame.screen, app.tools) || event.type != sf::Event::MouseButtonPressed) return;
    if (app.seams.isKeyPressed(sf::Keyboard::LShift)) routePickAt(app, {event.mouseButton.x, event.mouseButton.y});
}

// Over a route report the wheel scrolls it, as it would any long text;
// elsewhere it zooms the map.
void handleWheel(AppState& app, const sf::Event::MouseWheelScrollEvent& wheel) {
    const sf::Vector2f point = toInterface(app.window, app.views, {wheel.x, wheel.y});
    if (app.panel.scrollMode && !app.find.open && insidePanel(app.panel, point) &&
        !pageCoversMap(app.frame.screen, app.tools))
        scrollPanelTexts(app.panel, -kWheelScrollStep * wheel.delta);
    else if (wheelZooms(app.frame.screen, app.tools, app.frame.pointer))
        zoomStep(app.views, app.window, wheel.delta);
}

void handleMousePress(AppState& app, const sf::Event::MouseButtonEvent& press) {
    if (!isDragButton(press.button)) return;
    const sf::Vector2i pixel(press.x, press.y);
    beginDrag(app.views, app.frame.pointer, app.window, pixel);
    if (press.button != sf::Mouse::Left) return;
    if (!passClickGate(app.pick)) return;
    leftClickAt(app, pixel);
}

void handleMouseRelease(AppState& app, const sf::Event::MouseButtonEvent& release) {
    if (!isDragButton(release.button)) return;
    endDrag(app.frame.pointer);
    releaseVolumeKnob(app.settings);
    // A press on the open find panel chose no criterion.
    if (release.button != sf::Mouse::Left || app.find.open) return;
    const std::optional<Criterion> chosen =
        releaseComparison(app.comparison, app.panel.body, toInterface(app.window, app.views, {release.x, release.y}));
    if (panelBodyShowsRoute(app.frame.screen, app.tools, app.selection, app.panel.routePickIdle))
        applyComparisonChoice(app, chosen);
}

// The knob follows a drag begun on the settings page wherever the pointer
// goes, until a button is released.
void handleMouseMove(AppState& app, sf::Vector2i pixel) {
    const Screen screen = app.frame.screen;
    if (screen == kAdminScreen) movePlacementPreview(app.editor.drawing, toMap(app.window, app.views, pixel));
    dragVolumeKnob(app.settings, app.assets.background, toInterface(app.window, app.views, pixel));
    hoverScreen(app, pixel);
    if (showsMap(screen) && !pageCoversMap(screen, app.tools))
        dragStep(app.views, app.window, pixel, app.frame.pointer, app.panel);
}

// The administrator's tool panels: the open user-data table, through the
// map view; then, while no route report occupies the side panel, the tool
// buttons (hidden, and so unresponsive, while a route hint or report is
// shown); then the drawing panel when it is open or the property panel when
// it is shown, or else the status message goes. A press on 退出登录 only
// logs out: it places, picks or deletes nothing under the button.
void handleAdminPanelsClick(AppState& app, sf::Vector2i pixel) {
    if (isOpen(app.tools, ToolPanel::UserTable))
        handleUserTableClick(app.userTable, toMap(app.window, app.views, pixel), kUsersFile);
    const sf::Vector2f point = toInterface(app.window, app.views, pixel);
    if (app.panel.routePickIdle)
        applyToolToggle(app, handleToolButtonsClick(app.toolButtons, app.frame.screen, app.tools,
                                                    anythingSelected(app.selection), point));
    if (buttonHit(app.backButton, point)) return;
    EditorSession session = editorSession(app);
    if (isOpen(app.tools, ToolPanel::Drawing))
        handleDrawingClick(app.editor.drawing, session, point, toMap(app.window, app.views, pixel));
    else if (showsPropertyPanel(app.frame.screen, app.selection)) {
        handlePropertyClick(app.editor.property, session, point);
        // 删除 brought the panel to rest.
        if (!anythingSelected(app.selection)) app.panel.title.setString(kAdminPanelTitle);
    } else {
        hideStatus(app.editor.status);
    }
}

// The common part of a left click on the user and administrator screens.
// Clicks inside the side panel belong to the panel's own controls.
void handleMapScreenClick(AppState& app, sf::Vector2i pixel) {
    const Screen screen = app.frame.screen;
    SidePanel& panel = app.panel;
    const sf::Vector2f point = toInterface(app.window, app.views, pixel);
    if (screen == kUserScreen && !panelShowsSelection(app.selection) && panel.routePickIdle)
        applyToolToggle(app, handleToolButtonsClick(app.toolButtons, screen, app.tools, false, point));
    if (insidePanel(panel, point)) {
        if (panelBodyShowsRoute(screen, app.tools, app.selection, panel.routePickIdle))
            handleComparisonClick(app.comparison, panel.body, point);
        return;
    }

    if (screen == kAdminScreen) panel.title.setString(kAdminPanelTitle);
    endPanelScroll(panel);
    if (isOpen(app.tools, ToolPanel::Settings))
        applySettingsAction(app, handleSettingsPageClick(app.settings, settingsContext(app), point));
    if (buttonHit(app.backButton, point)) {
        // The press only logs out: the map under the button keeps nothing of it.
        logout(app);
        return;
    }
    panel.routePickIdle = true;
    if (!mapClicksReachHitTests(screen, app.tools, app.selection, app.editor.property.editing)) return;
    const bool hit = mapClick(app.map, toMap(app.window, app.views, pixel), infoTargets(app));
    if (!hit) showHelpAtRest(panel, screen == kUserScreen);
}

void hoverScreen(AppState& app, sf::Vector2i pixel) {
    const Screen screen = app.frame.screen;
    if (screen == kLoginScreen) {
        hoverLoginButtons(app.login, toMap(app.window, app.views, pixel));
        return;
    }
    if (screen == kAdminScreen) hoverUserTableButtons(app.userTable, toMap(app.window, app.views, pixel));
    const sf::Vector2f point = toInterface(app.window, app.views, pixel);
    if (screen == kAdminScreen) {
        hoverToolButtons(app.toolButtons, point);
        hoverMapEditor(app.editor, point);
    }
    applyHover(app.backButton, point);
    if (showsMap(screen)) {
        hoverSettingsPage(app.settings, point);
        hoverComparison(app.comparison, app.panel.body, point);
    }
}

}  // namespace
