#pragma once
// Event dispatch: every window event passes the App's hooks in one fixed
// order, one call per subsystem.
#include <SFML/Window/Event.hpp>

#include "app/AppState.h"

// One window event in the fixed dispatch order: the screen's keys, Escape,
// the find panel, H, a route pick, then the wheel, presses, releases and
// moves.
void dispatchEvent(AppState& app, const sf::Event& event);

// What a left press at a window pixel does on the current screen once past
// the click gate (no drag begins).
void leftClickAt(AppState& app, sf::Vector2i pixel);

// What a press at a window pixel with the left Shift key held picks for a
// route.
void routePickAt(AppState& app, sf::Vector2i pixel);
