#pragma once
// The find panel in the App: Ctrl+F opens it where the map is on screen;
// while it is open it takes every key and the presses on the side panel; a
// spot chosen there is brought to the middle of the map area, the zoom
// kept, and then selected or picked for a route as a press on it would.
#include <SFML/Window/Event.hpp>

#include "app/AppState.h"

// Returns true when the event was the find panel's and goes no further;
// wasOpen says the panel was open when the event arrived (Escape may have
// closed it since). A press beside the side panel closes the panel and goes
// on as a press on the map.
bool handleFindEvent(AppState& app, const sf::Event& event, bool wasOpen);
