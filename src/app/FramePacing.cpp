#include "app/FramePacing.h"

void noteSecond(FramePacing& pacing, int second, bool caretBlinks) {
    if (second == pacing.second) return;
    pacing.second = second;
    if (caretBlinks || second % kRestRedrawSeconds == 0) pacing.redraw = true;
}

void noteEvent(FramePacing& pacing) {
    pacing.redraw = true;
    pacing.quietPasses = 0;
}

void noteFrameShown(FramePacing& pacing) {
    pacing.redraw = false;
    ++pacing.framesShown;
}

int restStep(FramePacing& pacing) {
    if (pacing.quietPasses >= kBusyPasses) return kRestStepMs;
    ++pacing.quietPasses;
    return kBusyRestStepMs;
}
