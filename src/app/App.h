#pragma once
// The application: one window, the assets, the shared state records
// (app/AppState.h), the start-up and the main loop that dispatches each
// event (app/AppDispatch.h) and draws the current screen (app/AppDraw.h).
//
// Every screen and panel has one shape: a record of its widgets and state
// and free functions build…, handle…Keys, handle…Click (returning an action
// for the App), hover…, draw… and reset…. The App calls each of them once
// per hook, in the fixed order of the dispatch, and applies the actions
// (app/AppActions.h): the screen changes only in changeScreen, and the
// pause after a login only at the end of the frame, after the drawing.
#include <SFML/Window/Event.hpp>

#include "app/AppSeams.h"
#include "app/AppState.h"

class App {
public:
    // Opens the window at once, before anything is loaded.
    explicit App(AppSeams seams = AppSeams::real());

    // Start-up, then the loop. Returns the exit status.
    int run();

    // The start-up sequence; returns 0 to go on, 1 when an asset is missing
    // (after the console warning and a one-second pause).
    int startUp();

    // One pass of the loop: caret blink, every pending event, then the
    // drawing when something may have changed (app/FramePacing.h), or else a
    // rest of a few milliseconds.
    void runFrame();

    // One window event in the fixed dispatch order.
    void handleEvent(const sf::Event& event);

    // Draws the current screen and shows the frame; then, when a login has
    // completed, holds the frame for half a second and changes the screen.
    void drawScreen();

private:
    // The tests' view of the state (tests/support/AppProbe.h).
    friend struct AppProbe;

    AppState state;
};
