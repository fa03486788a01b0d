#pragma once
// When the loop draws. A frame is drawn when something may have changed what
// the window shows: an event handled, the clock's whole second turning (the
// caret's blink), the screen changed after a login. Otherwise the loop rests
// in short steps, so the program costs next to nothing while nothing happens
// and still answers an event within one display refresh.
#include <SFML/Window/Window.hpp>

// One rest step of the loop, under a display refresh (about 16 ms).
constexpr int kRestStepMs = 10;

struct FramePacing {
    bool redraw = true;    // something may have changed since the last frame shown
    int second = -1;       // the clock's whole second the last pass saw
    int framesShown = 0;   // since start-up
};

// Marks a redraw when the whole second has turned since the last pass. The
// frame drawn then also restores, within a second, a window uncovered by
// another (the windowing library reports no exposure).
void noteSecond(FramePacing& pacing, int second);

void noteFrameShown(FramePacing& pacing);

// Vertical sync caps a busy frame rate at the display's where the driver
// offers it (elsewhere the library says once that it cannot); every window
// the program creates asks for it.
void requestVerticalSync(sf::Window& window);
