// Drawing each screen. Drawing reads the state; the few strings it sets are
// the resting texts of the administrator's side panel.
#include "app/App.h"
#include "settings/HelpTexts.h"

void App::drawScreen() {
    window.setView(views.mapView);
    switch (frame.screen) {
        case kLoginScreen:
            if (drawLogin()) return;
            break;
        case kQrPage:
            window.clear(sf::Color::Cyan);
            drawQrPage(window, qrPage, login.title);
            window.setView(views.interfaceView);
            window.draw(backButton);
            break;
        default:
            drawMapScreen();
            break;
    }
    window.setView(views.mapView);
    window.display();
    frame.previousScreen = frame.screen;
}

// Returns true when a login completed: the frame with "登录成功" has then
// been shown and held for half a second, and the next frame draws the map.
bool App::drawLogin() {
    window.clear(sf::Color::Cyan);
    drawLoginScreen(window, login);
    const int next = login.adminLoginDone ? kAdminScreen : login.ordinaryLoginDone ? kUserScreen : kLoginScreen;
    if (next == kLoginScreen) return false;
    frame.screen = next;
    window.setView(views.mapView);
    window.display();
    platform.sleep(kLoginPauseMs);
    frame.previousScreen = next;
    return true;
}

void App::drawMapScreen() {
    const bool pageOpen = frame.settingsOpen || (frame.screen == kAdminScreen && frame.userTableOpen);
    if (pageOpen) {
        window.clear(sf::Color::Cyan);
    } else {
        window.clear(sf::Color::White);
        drawMap(window, map);
    }

    window.setView(views.interfaceView);
    window.draw(panel.rect);
    window.draw(backButton);
    window.draw(userLine);
    window.draw(panel.title);
    if (frame.screen == kAdminScreen && frame.nothingSelected) {
        if (frame.drawingPanelOpen) return;
        if (frame.routePickIdle) panel.body.setString(kCreditsText);
    }
    window.draw(panel.body);
}
