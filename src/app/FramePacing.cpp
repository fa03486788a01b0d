#include "app/FramePacing.h"

void noteSecond(FramePacing& pacing, int second) {
    if (second == pacing.second) return;
    pacing.second = second;
    pacing.redraw = true;
}

bool frameDue(const FramePacing& pacing, sf::Time now) {
    return pacing.redraw || now - pacing.shownAt >= sf::milliseconds(kRestRedrawMs);
}

void noteFrameShown(FramePacing& pacing, sf::Time now) {
    pacing.redraw = false;
    pacing.shownAt = now;
}

void requestVerticalSync(sf::Window& window) { window.setVerticalSyncEnabled(true); }
