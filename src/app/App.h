#pragma once
// The application: one window, the assets, the shared state records and the
// main loop that dispatches each event and draws the current screen.
#include <SFML/Graphics.hpp>

#include "accounts/AccountStore.h"
#include "accounts/LoginScreen.h"
#include "accounts/QrPage.h"
#include "app/Assets.h"
#include "app/FrameFlags.h"
#include "app/Platform.h"
#include "editor/PropertyValues.h"
#include "map/InfoPanel.h"
#include "map/MapModel.h"
#include "map/MapView.h"
#include "map/Selection.h"
#include "map/SidePanel.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"
#include "route/RouteRequest.h"

class App {
public:
    // Opens the window at once, before anything is loaded.
    explicit App(Platform platform = Platform::real());

    // Start-up, then the loop. Returns the exit status.
    int run();

    // The start-up sequence; returns 0 to go on, 1 when an asset is missing
    // (after the console warning and a one-second pause).
    int startUp();

    // One pass of the loop: caret blink, every pending event, the drawing.
    void runFrame();

    // One window event in the fixed dispatch order.
    void handleEvent(const sf::Event& event);

    // Draws the current screen and shows the frame.
    void drawScreen();

    std::ostream& console() { return *platform.console; }

    Platform platform;
    sf::RenderWindow window;
    sf::ContextSettings contextSettings;  // used whenever the window is re-created
    Assets assets;
    sf::Clock clock;

    FrameFlags frame;
    MapViews views;
    MapModel map;
    RouteGraph graph;
    RouteCriterion criterion;
    RoutePick pick;
    bool routeAnimation = true;
    Selection selection;
    PropertyValues properties;

    SidePanel panel;
    TextButton backButton;
    sf::Text userLine;
    LoginScreen login;
    QrPage qrPage;
    AccountStore accounts;

private:
    InfoTargets infoTargets();
    RouteSession routeSession();
    LoginContext loginContext();
    void blinkFields();
    void handleMousePress(const sf::Event::MouseButtonEvent& press);
    void handleLeftClick(sf::Vector2i pixel);
    void handleMapScreenClick(sf::Vector2i pixel);
    void handleMouseMove(sf::Vector2i pixel);
    void applyScreenHover(sf::Vector2i pixel);
    void logout();
    void drawMapScreen();
    bool drawLogin();
};
