#pragma once
// What the App holds: the window, the assets and the shared state records,
// each subsystem's own record beside them; and the small records of
// references each subsystem is handed of it.
#include <SFML/Graphics.hpp>
#include <iosfwd>

#include "accounts/AccountStore.h"
#include "accounts/LoginScreen.h"
#include "accounts/QrPage.h"
#include "accounts/UserTable.h"
#include "app/AppSeams.h"
#include "app/Assets.h"
#include "app/FrameFlags.h"
#include "app/FramePacing.h"
#include "app/PanelRules.h"
#include "app/ToolButtons.h"
#include "editor/EditorSession.h"
#include "editor/MapEditor.h"
#include "editor/PropertyValues.h"
#include "find/FindPanel.h"
#include "map/MapClick.h"
#include "map/MapLabels.h"
#include "map/MapModel.h"
#include "map/MapView.h"
#include "map/Selection.h"
#include "map/SidePanel.h"
#include "route/ComparisonPanel.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"
#include "route/RouteRequest.h"
#include "settings/SettingsPage.h"
#include "widgets/TextButton.h"

struct AppState {
    AppSeams seams;
    sf::RenderWindow window;
    sf::ContextSettings contextSettings;  // used whenever the window is re-created
    Assets assets;
    sf::Clock clock;

    FrameFlags frame;
    FramePacing pacing;
    ToolPanels tools;
    ToolButtons toolButtons;
    MapViews views;
    MapModel map;
    MapLabels labels;
    RouteGraph graph;
    RouteCriterion criterion;
    RoutePick pick;
    bool routeAnimation = true;
    Selection selection;
    PropertyValues properties;
    MapEditor editor;

    SidePanel panel;
    TextButton backButton;
    sf::Text userLine;
    LoginScreen login;
    QrPage qrPage;
    AccountStore accounts;
    UserTable userTable;
    SettingsPage settings;
    ComparisonPanel comparison;
    FindPanel find;
    bool windowModeWarned = false;  // a failed switch of the window mode is reported once
};

std::ostream& console(AppState& app);

// What the subsystems are handed of the App.
InfoTargets infoTargets(AppState& app);
RouteSession routeSession(AppState& app);
LoginContext loginContext(AppState& app);
EditorSession editorSession(AppState& app);
SettingsContext settingsContext(AppState& app);
