#include "app/FramePacing.h"

void noteSecond(FramePacing& pacing, int second) {
    if (second == pacing.second) return;
    pacing.second = second;
    pacing.redraw = true;
}

void noteFrameShown(FramePacing& pacing) {
    pacing.redraw = false;
    ++pacing.framesShown;
}

void requestVerticalSync(sf::Window& window) { window.setVerticalSyncEnabled(true); }
