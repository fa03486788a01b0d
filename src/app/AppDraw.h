#pragma once
// Drawing each screen. Drawing reads the state; the one string it sets is
// the administrator's resting panel text.
#include "app/AppState.h"

// Draws the current screen into the window, without showing the frame.
void drawCurrentScreen(AppState& app);
