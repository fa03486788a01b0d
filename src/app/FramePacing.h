#pragma once
// When the loop draws. A frame is drawn when something may have changed what
// the window shows: an event handled, the clock's whole second turning while
// a caret blinks, the screen changed after a login. Otherwise the loop rests
// in short steps, so the program costs next to nothing while nothing happens
// and still answers an event within one display refresh.

// One rest step of the loop at rest: a display refresh (about 16 ms).
constexpr int kRestStepMs = 16;
// Shorter steps while events keep coming (a drag, the knob), so the frames
// follow the pointer closely; this many quiet passes end them.
constexpr int kBusyRestStepMs = 4;
constexpr int kBusyPasses = 25;
// With no caret blinking, the window is still drawn this often at rest, so
// one uncovered by another window is restored (the windowing library
// reports no exposure).
constexpr int kRestRedrawSeconds = 5;

struct FramePacing {
    bool redraw = true;    // something may have changed since the last frame shown
    int second = -1;       // the clock's whole second the last pass saw
    int quietPasses = 0;   // passes since the last event
    int framesShown = 0;   // since start-up
};

// Marks a redraw when the whole second has turned since the last pass and a
// caret blinks, or at the restoring interval.
void noteSecond(FramePacing& pacing, int second, bool caretBlinks);

// An event was handled: the next frame shows what it did.
void noteEvent(FramePacing& pacing);

void noteFrameShown(FramePacing& pacing);

// How long the loop rests before it polls again; counts a quiet pass.
int restStep(FramePacing& pacing);
