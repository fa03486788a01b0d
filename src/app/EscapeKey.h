#pragma once
// The Escape key: it cancels what is under way, one thing a press, and
// closes the program only when nothing is.
#include <SFML/Window/Event.hpp>

#include "app/AppState.h"

// An Escape press, or an event while the key is held (the real-time state
// of the App's keyboard seam), acts once a press, on the first of: the find
// panel (the side panel's content comes back); a property being edited (as 取消); a pending route pick (its hint and
// outlines go, the panel comes to rest); a mode of the drawing panel, with
// a road's start picked or not (its prompt and outlines go); an open tool
// panel, the user-data table, the settings page (on either screen) or the
// drawing panel (as pressing its button again). With none of these, the
// window closes. Other events change nothing.
void handleEscapeKey(AppState& app, const sf::Event& event);
