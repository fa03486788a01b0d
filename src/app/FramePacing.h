#pragma once
// When the loop draws. A frame is drawn when something may have changed what
// the window shows: an event handled, the clock's whole second turning (the
// caret's blink), the screen changed after a login. Otherwise the loop rests
// in short steps, so the program costs next to nothing while nothing happens
// and still answers an event within one display refresh.
#include <SFML/System/Time.hpp>
#include <SFML/Window/Window.hpp>

// One rest step of the loop, well under a display refresh (about 16 ms).
constexpr int kRestStepMs = 5;
// At rest a frame is still drawn this often, so a window uncovered by another
// shows its content again (the windowing library reports no exposure).
constexpr int kRestRedrawMs = 500;

struct FramePacing {
    bool redraw = true;    // something may have changed since the last frame shown
    int second = -1;       // the clock's whole second the last pass saw
    sf::Time shownAt;      // when the last frame was shown, on the App's clock
};

// Marks a redraw when the whole second has turned since the last pass.
void noteSecond(FramePacing& pacing, int second);

// Whether this pass draws: a redraw is marked, or the last frame is old.
bool frameDue(const FramePacing& pacing, sf::Time now);

void noteFrameShown(FramePacing& pacing, sf::Time now);

// Vertical sync caps a busy frame rate at the display's where the driver
// offers it (elsewhere the library says once that it cannot); every window
// the program creates asks for it.
void requestVerticalSync(sf::Window& window);
