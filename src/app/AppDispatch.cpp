// Event dispatch: every window event passes the hooks below in this order,
// one call per subsystem.
#include "app/App.h"
#include "app/WindowMode.h"
#include "editor/PropertyEditing.h"
#include "editor/UndoKeys.h"
#include "settings/HelpTexts.h"

void App::handleEvent(const sf::Event& event) {
    handleScreenKeys(event);
    if (seams.isKeyPressed(sf::Keyboard::Escape)) window.close();
    // H re-centres on every screen, also while a text field has the focus.
    if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::H) recentre(views, window);
    handleRoutePick(event);

    switch (event.type) {
        case sf::Event::Closed:
            window.close();
            return;
        case sf::Event::MouseWheelScrolled:
            if (wheelZooms(frame.screen, tools, frame.pointer)) zoomStep(views, window, event.mouseWheelScroll.delta);
            break;
        case sf::Event::MouseButtonPressed:
            handleMousePress(event.mouseButton);
            break;
        case sf::Event::MouseButtonReleased:
            handleMouseRelease(event.mouseButton);
            break;
        case sf::Event::MouseMoved:
            handleMouseMove({event.mouseMove.x, event.mouseMove.y});
            break;
        default:
            break;
    }
    if (followSelection(properties, map, selection, editor.property.editing))
        showPropertyValues(editor.property, properties);
    window.setView(views.mapView);
}

void App::handleScreenKeys(const sf::Event& event) {
    if (frame.screen == kLoginScreen) handleLoginKeys(login, event, loginContext());
    if (showsPropertyPanel(frame.screen, selection)) handlePropertyKeys(editor.property, event);
    if (userTableShown(frame.screen, tools)) handleUserTableKeys(userTable, event);
    if (!mapHistoryKeysReachMap(frame.screen, tools, selection, editor.property.editing)) return;
    EditorSession session = editorSession();
    if (handleMapHistoryKeys(session, event)) panel.title.setString(kAdminPanelTitle);
}

// A press with the left Shift key held picks a route spot, where the map is
// on screen: an invisible pick (on the login screen, under a page) would
// leave the next clicks ignored.
void App::handleRoutePick(const sf::Event& event) {
    if (!routePicksReachMap(frame.screen, tools) || event.type != sf::Event::MouseButtonPressed) return;
    if (!seams.isKeyPressed(sf::Keyboard::LShift)) return;
    RouteSession session = routeSession();
    pickRouteSpot(session, toMap(window, views, {event.mouseButton.x, event.mouseButton.y}));
}

void App::handleMousePress(const sf::Event::MouseButtonEvent& press) {
    if (!isDragButton(press.button)) return;
    const sf::Vector2i pixel(press.x, press.y);
    beginDrag(views, frame.pointer, window, pixel);
    if (press.button != sf::Mouse::Left) return;
    if (!passClickGate(pick)) return;
    handleLeftClick(pixel);
}

void App::handleMouseRelease(const sf::Event::MouseButtonEvent& release) {
    if (!isDragButton(release.button)) return;
    frame.pointer.mouseHeld = false;
    releaseVolumeKnob(settings);
}

// The knob follows a drag begun on the settings page wherever the pointer
// goes, until a button is released.
void App::handleMouseMove(sf::Vector2i pixel) {
    if (frame.screen == kAdminScreen) movePlacementPreview(editor.drawing, toMap(window, views, pixel));
    dragVolumeKnob(settings, assets.background, toInterface(window, views, pixel));
    hoverScreen(pixel);
    if (showsMap(frame.screen) && !pageCoversMap(frame.screen, tools))
        dragStep(views, window, pixel, frame.pointer, panel);
}

void App::handleLeftClick(sf::Vector2i pixel) {
    switch (frame.screen) {
        case kQrPage:
            if (handleQrPageClick(backButton, toInterface(window, views, pixel)) == QrAction::BackToLogin)
                changeScreen(kLoginScreen);
            break;
        case kLoginScreen:
            applyLoginAction(handleLoginClick(login, toMap(window, views, pixel), loginContext()));
            break;
        case kAdminScreen:
            if (!panel.scrollMode) handleAdminPanelsClick(pixel);
            handleMapScreenClick(pixel);
            break;
        case kUserScreen:
            handleMapScreenClick(pixel);
            break;
    }
}

// The administrator's tool panels: the open user-data table, through the
// map view; then, while no route report occupies the side panel, the tool
// buttons (hidden, and so unresponsive, while a route hint or report is
// shown); then the drawing panel when it is open or the property panel when
// it is shown, or else the status message goes. A press on 退出登录 only
// logs out: it places, picks or deletes nothing under the button.
void App::handleAdminPanelsClick(sf::Vector2i pixel) {
    if (isOpen(tools, ToolPanel::UserTable))
        handleUserTableClick(userTable, toMap(window, views, pixel), kUsersFile);
    const sf::Vector2f point = toInterface(window, views, pixel);
    if (panel.routePickIdle)
        applyToolToggle(handleToolButtonsClick(toolButtons, frame.screen, tools, anythingSelected(selection), point));
    if (buttonHit(backButton, point)) return;
    EditorSession session = editorSession();
    if (isOpen(tools, ToolPanel::Drawing))
        handleDrawingClick(editor.drawing, session, point, toMap(window, views, pixel));
    else if (showsPropertyPanel(frame.screen, selection)) handlePropertyClick(editor.property, session, point);
    else hideStatus(editor.status);
}

// Closing the drawing panel, or opening another panel in its place, leaves
// its modes and any road pick begun.
void App::applyToolToggle(ToolPanel toggled) {
    if (toggled == ToolPanel::None) return;
    toggleToolPanel(tools, toggled);
    if (!isOpen(tools, ToolPanel::Drawing)) resetDrawingPanel(editor.drawing, editor.status, map, pick);
    if (isOpen(tools, ToolPanel::UserTable)) {
        // The table stands in map coordinates at the view's home position.
        recentre(views, window);
        openUserTable(userTable, kUsersFile);
    }
}

void App::applySettingsAction(SettingsAction action) {
    if (action == SettingsAction::ToggleFullScreen) toggleFullScreen();
}

// The views stay as they are; the drawing sets them on the new window. The
// release of the press that asked for the switch goes to the old window, so
// no button counts as held afterwards.
void App::toggleFullScreen() {
    settings.fullScreenOn =
        switchWindowMode(window, !settings.fullScreenOn, contextSettings, console(), windowModeWarned);
    frame.pointer.mouseHeld = false;
    releaseVolumeKnob(settings);
}

void App::applyLoginAction(LoginAction action) {
    switch (action) {
        case LoginAction::OpenForgotPassword:
            showQrPage(qrPage, L"扫码支付为你恢复账号密码");
            changeScreen(kQrPage);
            break;
        case LoginAction::OpenVip:
            showQrPage(qrPage, L"扫码支付为你提供VIP账号");
            changeScreen(kQrPage);
            break;
        case LoginAction::Quit:
            window.close();
            break;
        case LoginAction::None:
            break;
    }
}

// The common part of a left click on the user and administrator screens.
// Clicks inside the side panel belong to the panel's own controls.
void App::handleMapScreenClick(sf::Vector2i pixel) {
    const sf::Vector2f point = toInterface(window, views, pixel);
    if (frame.screen == kUserScreen && !panelShowsSelection(selection) && panel.routePickIdle)
        applyToolToggle(handleToolButtonsClick(toolButtons, frame.screen, tools, false, point));
    if (insidePanel(panel, point)) return;

    if (frame.screen == kAdminScreen) panel.title.setString(kAdminPanelTitle);
    endPanelScroll(panel);
    if (isOpen(tools, ToolPanel::Settings))
        applySettingsAction(handleSettingsPageClick(settings, settingsContext(), point));
    if (buttonHit(backButton, point)) {
        // The press only logs out: the map under the button keeps nothing of it.
        logout();
        return;
    }
    panel.routePickIdle = true;
    if (!mapClicksReachHitTests(frame.screen, tools, selection, editor.property.editing)) return;
    const bool hit = mapClick(map, toMap(window, views, pixel), infoTargets());
    if (!hit) showHelpAtRest(panel, frame.screen == kUserScreen);
}

void App::hoverScreen(sf::Vector2i pixel) {
    if (frame.screen == kLoginScreen) {
        hoverLoginButtons(login, toMap(window, views, pixel));
        return;
    }
    if (frame.screen == kAdminScreen) hoverUserTableButtons(userTable, toMap(window, views, pixel));
    const sf::Vector2f point = toInterface(window, views, pixel);
    if (frame.screen == kAdminScreen) {
        hoverToolButtons(toolButtons, point);
        hoverMapEditor(editor, point);
    }
    applyHover(backButton, point);
    if (showsMap(frame.screen)) hoverSettingsPage(settings, point);
}
