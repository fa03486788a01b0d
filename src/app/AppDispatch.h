#pragma once
// Event dispatch: every window event passes the App's hooks in one fixed
// order, one call per subsystem.
#include <SFML/Window/Event.hpp>

#include "app/AppState.h"

// One window event in the fixed dispatch order: the screen's keys, Escape,
// H, a route pick, then the wheel, presses, releases and moves.
void dispatchEvent(AppState& app, const sf::Event& event);
