#include "app/EscapeKey.h"

#include "app/AppActions.h"
#include "editor/PropertyEditing.h"
#include "settings/HelpTexts.h"

namespace {

// Nothing selected or outlined, and the panel's resting content.
void bringPanelToRest(AppState& app) {
    clearMapSelection(app.map, app.selection);
    SidePanel& panel = app.panel;
    panel.routePickIdle = true;
    endPanelScroll(panel);
    const bool userScreen = app.frame.screen == kUserScreen;
    if (!userScreen) panel.title.setString(kAdminPanelTitle);
    showHelpAtRest(panel, userScreen);
}

// Returns false when nothing was under way.
bool cancelUnderWay(AppState& app) {
    const Screen screen = app.frame.screen;
    if (app.find.open) {
        resetFindPanel(app.find);
        return true;
    }
    if (app.editor.property.editing && showsPropertyPanel(screen, app.selection)) {
        EditorSession session = editorSession(app);
        cancelEdit(app.editor.property, session);
        return true;
    }
    if (app.pick.pending && showsMap(screen)) {
        resetPick(app.map, app.pick);
        bringPanelToRest(app);
        return true;
    }
    const bool drawing = screen == kAdminScreen && isOpen(app.tools, ToolPanel::Drawing);
    if (drawing && app.editor.drawing.mode != DrawingMode::None) {
        resetDrawingPanel(app.editor.drawing, app.editor.status, app.map, app.pick);
        hideStatus(app.editor.status);
        clearMapSelection(app.map, app.selection);
        return true;
    }
    if (showsMap(screen) && app.tools.open != ToolPanel::None) {
        applyToolToggle(app, app.tools.open);
        return true;
    }
    return false;
}

}  // namespace

void handleEscapeKey(AppState& app, const sf::Event& event) {
    const bool pressed = event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape;
    if (!pressed && !app.seams.isKeyPressed(sf::Keyboard::Escape)) {
        app.frame.escapeSpent = false;
        return;
    }
    if (app.frame.escapeSpent) return;
    if (cancelUnderWay(app)) app.frame.escapeSpent = true;
    else app.window.close();
}
