#pragma once
// The App's state as the tests see it. The App names this type its friend:
// tests reach inside the App only through it, so a change of the App's
// members meets the tests in this one place.
#include "app/App.h"

struct AppProbe {
    explicit AppProbe(App& app)
        : app(app), window(app.state.window), assets(app.state.assets), frame(app.state.frame), pacing(app.state.pacing),
          tools(app.state.tools), toolButtons(app.state.toolButtons), views(app.state.views), map(app.state.map),
          labels(app.state.labels),
          graph(app.state.graph), criterion(app.state.criterion), pick(app.state.pick),
          routeAnimation(app.state.routeAnimation), selection(app.state.selection),
          properties(app.state.properties), editor(app.state.editor), panel(app.state.panel),
          backButton(app.state.backButton), userLine(app.state.userLine), login(app.state.login),
          qrPage(app.state.qrPage), userTable(app.state.userTable), settings(app.state.settings),
          comparison(app.state.comparison), find(app.state.find) {}

    std::ostream& console() { return ::console(app.state); }

    App& app;
    sf::RenderWindow& window;
    Assets& assets;
    FrameFlags& frame;
    FramePacing& pacing;
    ToolPanels& tools;
    ToolButtons& toolButtons;
    MapViews& views;
    MapModel& map;
    MapLabels& labels;
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
    ComparisonPanel& comparison;
    FindPanel& find;
};
