// When the loop draws at rest, without a window.
#include <gtest/gtest.h>

#include "app/FramePacing.h"

TEST(FramePacing, TheTurningSecondRedrawsWhileACaretBlinksElseOnlyAtTheRestoringInterval) {
    struct Case {
        int second;
        bool caretBlinks;
        bool redraw;
    } const cases[] = {
        {1, true, true},  {1, true, false},                       // the same second again
        {2, false, false}, {kRestRedrawSeconds, false, true},     // no caret: only the restoring frame
        {kRestRedrawSeconds + 1, true, true},
    };
    FramePacing pacing;
    for (const Case& c : cases) {
        pacing.redraw = false;
        noteSecond(pacing, c.second, c.caretBlinks);
        EXPECT_EQ(pacing.redraw, c.redraw) << c.second << " " << c.caretBlinks;
    }
}
