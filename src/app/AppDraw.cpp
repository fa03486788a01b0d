#include "app/AppDraw.h"

#include "settings/HelpTexts.h"

namespace {

// The body, and under a route report its comparison of the criteria.
void drawPanelBody(AppState& app) {
    app.window.draw(app.panel.body);
    drawComparison(app.window, app.comparison, app.panel.body);
}

// The help or credits text at rest, its credits below the 系统设置 button,
// the lowest button shown at rest on either screen.
void drawRestingText(AppState& app) {
    const RestingText text = layRestingText(app.panel.body, app.toolButtons.settings.rect.getGlobalBounds());
    app.window.draw(text.hints);
    app.window.draw(text.credits);
}

void drawPanelContent(AppState& app) {
    sf::RenderWindow& window = app.window;
    SidePanel& panel = app.panel;
    const Screen screen = app.frame.screen;
    const bool atRest = !panelShowsSelection(app.selection) && panel.routePickIdle;
    if (screen == kUserScreen) {
        if (!atRest) {
            drawPanelBody(app);
            return;
        }
        drawRestingText(app);
        drawToolButtons(window, app.toolButtons, screen, app.tools);
        return;
    }
    if (showsPropertyPanel(screen, app.selection)) {
        drawPropertyPanel(window, app.editor.property, app.editor.status);
        return;
    }
    if (panel.routePickIdle) drawToolButtons(window, app.toolButtons, screen, app.tools);
    if (isOpen(app.tools, ToolPanel::Drawing)) {
        drawDrawingPanel(window, app.editor.drawing, app.editor.status, app.views.mapView);
        return;
    }
    if (panel.routePickIdle) {
        panel.body.setString(kCreditsText);
        drawRestingText(app);
    } else {
        drawPanelBody(app);
    }
    // The message an undo or redo leaves, at its usual place at the foot.
    drawStatusOnPanel(window, app.editor.status, panel.rect);
}

void drawMapScreen(AppState& app) {
    sf::RenderWindow& window = app.window;
    if (pageCoversMap(app.frame.screen, app.tools)) {
        window.clear(sf::Color::Cyan);
        if (userTableShown(app.frame.screen, app.tools)) drawUserTable(window, app.userTable);
        if (isOpen(app.tools, ToolPanel::Settings)) {
            window.setView(app.views.interfaceView);
            drawSettingsPage(window, app.settings, app.criterion, app.routeAnimation, app.assets.background.transport);
        }
    } else {
        window.clear(sf::Color::White);
        drawMap(window, app.map);
        drawMapLabels(window, app.labels, app.map, app.views.mapView, app.selection);
    }

    window.setView(app.views.interfaceView);
    window.draw(app.panel.rect);
    window.draw(app.backButton);
    window.draw(app.userLine);
    if (app.find.open) {
        drawFindPanel(window, app.find);  // in place of the panel's content, which waits under it
        return;
    }
    window.draw(app.panel.title);
    drawPanelContent(app);
}

}  // namespace

void drawCurrentScreen(AppState& app) {
    sf::RenderWindow& window = app.window;
    window.setView(app.views.mapView);
    switch (app.frame.screen) {
        case kLoginScreen:
            window.clear(sf::Color::Cyan);
            drawLoginScreen(window, app.login);
            break;
        case kQrPage:
            window.clear(sf::Color::Cyan);
            drawQrPage(window, app.qrPage, app.login.title);
            window.setView(app.views.interfaceView);
            window.draw(app.backButton);
            break;
        case kUserScreen:
        case kAdminScreen:
            drawMapScreen(app);
            break;
    }
}
