#pragma once
// The App's state as the tests see it. The App names this type its friend:
// tests reach inside the App only through it, so a change of the App's
// members meets the tests in this one place.
#include "app/App.h"

struct AppProbe {
    explicit AppProbe(App& app)
        : app(app), window(app.window), assets(app.assets), frame(app.frame), tools(app.tools),
          toolButtons(app.toolButtons), views(app.views), map(app.map), graph(app.graph), criterion(app.criterion),
          pick(app.pick), routeAnimation(app.routeAnimation), selection(app.selection), properties(app.properties),
          editor(app.editor), panel(app.panel), backButton(app.backButton), userLine(app.userLine), login(app.login),
          qrPage(app.qrPage), userTable(app.userTable), settings(app.settings) {}

    std::ostream& console() { return app.console(); }

    App& app;
    sf::RenderWindow& window;
    Assets& assets;
    FrameFlags& frame;
    ToolPanels& tools;
    ToolButtons& toolButtons;
    MapViews& views;
    MapModel& map;
    RouteGraph& graph;
    RouteCriterion& criterion;
    RoutePick& pick;
    bool& routeAnimation;
    Selection& selection;
    PropertyValues& properties;
    MapEditor& editor;
    SidePanel& panel;
    TextButton& backButton;
    sf::Text& userLine;
    LoginScreen& login;
    QrPage& qrPage;
    UserTable& userTable;
    SettingsPage& settings;
};
