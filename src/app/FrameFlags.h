#pragma once
// The screen state machine and the frame-level flags that the dispatch and
// the drawing read. One instance lives for the whole run.

enum Screen : int {
    kLoginScreen = 0,
    kUserScreen = 1,
    kAdminScreen = 2,
    kQrPage = 3,
};

struct FrameFlags {
    int screen = kLoginScreen;
    int previousScreen = kLoginScreen;  // the screen drawn last frame; picks the fields that blink

    bool mouseHeld = false;        // a left, right or middle button is down
    bool panelDrag = false;        // the last drag was over the side panel; blocks wheel zoom
    bool panelScrollMode = false;  // a route report may be dragged vertically
    bool nothingSelected = true;   // the side panel shows its resting content
    bool routePickIdle = true;     // no route hint or report occupies the side panel

    // Administrator tools and settings.
    bool settingsOpen = false;
    bool userTableOpen = false;
    bool drawingPanelOpen = false;
    bool editing = false;
    bool placeSpotMode = false;
    bool statusVisible = false;
};
