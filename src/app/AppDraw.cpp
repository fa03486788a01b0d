// Drawing each screen. Drawing reads the state; the one string it sets is
// the administrator's resting panel text.
#include "app/App.h"
#include "settings/HelpTexts.h"

void App::drawScreen() {
    drawCurrentScreen();
    window.setView(views.mapView);
    window.display();
    finishFrame();
}

void App::drawCurrentScreen() {
    window.setView(views.mapView);
    switch (frame.screen) {
        case kLoginScreen:
            window.clear(sf::Color::Cyan);
            drawLoginScreen(window, login);
            break;
        case kQrPage:
            window.clear(sf::Color::Cyan);
            drawQrPage(window, qrPage, login.title);
            window.setView(views.interfaceView);
            window.draw(backButton);
            break;
        case kUserScreen:
        case kAdminScreen:
            drawMapScreen();
            break;
    }
}

void App::drawMapScreen() {
    if (pageCoversMap(frame.screen, tools)) {
        window.clear(sf::Color::Cyan);
        if (userTableShown(frame.screen, tools)) drawUserTable(window, userTable);
        if (isOpen(tools, ToolPanel::Settings)) {
            window.setView(views.interfaceView);
            drawSettingsPage(window, settings, criterion, routeAnimation, assets.background.transport);
        }
    } else {
        window.clear(sf::Color::White);
        drawMap(window, map);
    }

    window.setView(views.interfaceView);
    window.draw(panel.rect);
    window.draw(backButton);
    window.draw(userLine);
    window.draw(panel.title);
    drawPanelContent();
}

void App::drawPanelContent() {
    const bool atRest = !panelShowsSelection(selection) && panel.routePickIdle;
    if (frame.screen == kUserScreen) {
        window.draw(panel.body);
        if (atRest) drawToolButtons(window, toolButtons, frame.screen, tools);
        return;
    }
    if (showsPropertyPanel(frame.screen, selection)) {
        drawPropertyPanel(window, editor.property, editor.status);
        return;
    }
    if (panel.routePickIdle) drawToolButtons(window, toolButtons, frame.screen, tools);
    if (isOpen(tools, ToolPanel::Drawing)) {
        drawDrawingPanel(window, editor.drawing, editor.status, views.mapView);
        return;
    }
    if (panel.routePickIdle) panel.body.setString(kCreditsText);
    window.draw(panel.body);
    // The message an undo or redo leaves, at its usual place at the foot.
    drawStatusOnPanel(window, editor.status, panel.rect);
}
