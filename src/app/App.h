#pragma once
// The application: one window, the assets, the shared state records and the
// main loop that dispatches each event and draws the current screen.
//
// Every screen and panel has one shape: a record of its widgets and state
// and free functions build…, handle…Keys, handle…Click (returning an action
// for the App), hover…, draw… and reset…. The App calls each of them once
// per hook, in the fixed order of handleEvent, and applies the actions: the
// screen changes only in changeScreen, and the pause after a login only at
// the end of the frame, after the drawing.
#include <SFML/Graphics.hpp>

#include "accounts/AccountStore.h"
#include "accounts/LoginScreen.h"
#include "accounts/QrPage.h"
#include "accounts/UserTable.h"
#include "app/AppSeams.h"
#include "app/Assets.h"
#include "app/FrameFlags.h"
#include "app/PanelRules.h"
#include "app/ToolButtons.h"
#include "editor/EditorSession.h"
#include "editor/MapEditor.h"
#include "editor/PropertyValues.h"
#include "map/MapClick.h"
#include "map/MapModel.h"
#include "map/MapView.h"
#include "map/Selection.h"
#include "map/SidePanel.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"
#include "route/RouteRequest.h"
#include "settings/SettingsPage.h"
#include "widgets/TextButton.h"

class App {
public:
    // Opens the window at once, before anything is loaded.
    explicit App(AppSeams seams = AppSeams::real());

    // Start-up, then the loop. Returns the exit status.
    int run();

    // The start-up sequence; returns 0 to go on, 1 when an asset is missing
    // (after the console warning and a one-second pause).
    int startUp();

    // One pass of the loop: caret blink, every pending event, the drawing.
    void runFrame();

    // One window event in the fixed dispatch order.
    void handleEvent(const sf::Event& event);

    // Draws the current screen and shows the frame; then, when a login has
    // completed, holds the frame for half a second and changes the screen.
    void drawScreen();

private:
    // The tests' view of the state below (tests/support/AppProbe.h).
    friend struct AppProbe;

    std::ostream& console() { return *seams.console; }

    AppSeams seams;
    sf::RenderWindow window;
    sf::ContextSettings contextSettings;  // used whenever the window is re-created
    Assets assets;
    sf::Clock clock;

    FrameFlags frame;
    ToolPanels tools;
    ToolButtons toolButtons;
    MapViews views;
    MapModel map;
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
    bool windowModeWarned = false;  // a failed switch of the window mode is reported once

    // What the subsystems are handed of the App.
    InfoTargets infoTargets();
    RouteSession routeSession();
    LoginContext loginContext();
    EditorSession editorSession();
    SettingsContext settingsContext();

    // The one place the screen changes; the back button's label follows it.
    void changeScreen(Screen next);
    void applyLoginAction(LoginAction action);
    void applyToolToggle(ToolPanel panel);
    void applySettingsAction(SettingsAction action);
    void toggleFullScreen();
    void finishFrame();
    void logout();

    // The hooks of the dispatch.
    void blinkFields();
    void handleScreenKeys(const sf::Event& event);
    void handleRoutePick(const sf::Event& event);
    void handleMousePress(const sf::Event::MouseButtonEvent& press);
    void handleMouseRelease(const sf::Event::MouseButtonEvent& release);
    void handleMouseMove(sf::Vector2i pixel);
    void handleLeftClick(sf::Vector2i pixel);
    void handleAdminPanelsClick(sf::Vector2i pixel);
    void handleMapScreenClick(sf::Vector2i pixel);
    void hoverScreen(sf::Vector2i pixel);

    // The drawing of each screen.
    void drawCurrentScreen();
    void drawMapScreen();
    void drawPanelContent();
};
