#pragma once
// The screen state machine and the pointer state that the dispatch reads.
// One instance lives for the whole run.
#include "map/MapView.h"

enum Screen : int {
    kLoginScreen = 0,
    kUserScreen = 1,
    kAdminScreen = 2,
    kQrPage = 3,
};

struct FrameFlags {
    Screen screen = kLoginScreen;
    Screen previousScreen = kLoginScreen;  // the screen drawn last frame; picks the fields that blink
    PointerState pointer;
    // The Escape press under way has cancelled something: until the key is
    // released it cancels and closes nothing more.
    bool escapeSpent = false;
};
