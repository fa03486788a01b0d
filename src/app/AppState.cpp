#include "app/AppState.h"

#include "app/AppDraw.h"
#include "map/MapFiles.h"
#include "route/RouteDisplay.h"

std::ostream& console(AppState& app) { return *app.seams.console; }

InfoTargets infoTargets(AppState& app) { return InfoTargets{app.selection, app.panel, console(app)}; }

RouteSession routeSession(AppState& app) {
    auto drawScreen = [&app] { drawCurrentScreen(app); };
    auto animationFrame = [&app, drawScreen] { drawAnimationFrame(app.window, drawScreen, app.seams.sleep); };
    auto showArea = [&app](const sf::FloatRect& area) { bringIntoView(app.views, app.window, area); };
    return RouteSession{app.map, app.graph, app.criterion, app.pick, infoTargets(app), app.routeAnimation,
                        animationFrame, showArea, app.comparison};
}

LoginContext loginContext(AppState& app) { return LoginContext{app.accounts, app.userLine, kUsersFile}; }

EditorSession editorSession(AppState& app) {
    return EditorSession{app.map, app.graph, app.criterion, spotTextures(app.assets), app.pick, infoTargets(app),
                         app.properties, app.editor.status, app.editor.unsaved, app.editor.history,
                         MapFilePaths{kSpotsFile, kRoadsFile}};
}

SettingsContext settingsContext(AppState& app) {
    return SettingsContext{app.criterion, app.graph, app.map, app.routeAnimation, app.assets.background};
}
