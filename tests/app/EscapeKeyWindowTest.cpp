// Escape in the App: one thing under way cancelled a stroke, the window
// closed only when nothing is.
#include <functional>
#include <gtest/gtest.h>

#include "support/EditorFixture.h"
#include "support/Events.h"
#include "support/FieldEvents.h"

namespace {

class EscapeKeyWindow : public EditorFixture {
protected:
    // One stroke: its press handled when the key is up already (a quick
    // stroke), then, the key held, a move and a key repeat, which must add
    // nothing to what the press did.
    void escape() {
        send(keyPressed(sf::Keyboard::Escape));
        heldKeys.insert(sf::Keyboard::Escape);
        send({mouseMove(20, 20), keyPressed(sf::Keyboard::Escape)});
        heldKeys.erase(sf::Keyboard::Escape);
        send(keyReleased(sf::Keyboard::Escape));
    }
};

}  // namespace

TEST_F(EscapeKeyWindow, EachStrokeCancelsOneThingUnderWayAndTheLastClosesTheWindow) {
    const struct {
        const char* what;
        bool admin;
        std::function<void()> start;
        std::function<bool()> cancelled;
        int strokesToClose;  // the cancelling one included
    } cases[] = {
        {"a property edit, as 取消", true, [this] { editSpot(7), retype(kNameInput, L"小厨"); },
         [this] { return !probe().editor.property.editing && probe().properties.name == L"川味小厨"; }, 2},
        {"a route pick", false, [this] { shiftClick(spotPixel(3)); },
         [this] { return !probe().pick.pending && probe().panel.routePickIdle && outlinedSpots().empty(); }, 2},
        {"a road pick", true, [this] { openDrawingPanel(), clickToggle(probe().editor.drawing.drawRoad), click(spotPixel(1)); },
         [this] { return probe().pick.pickCount == 0 && outlinedSpots().empty() && !probe().editor.status.visible; }, 3},
        {"the user-data table", true, [this] { clickToggle(probe().toolButtons.userData); },
         [this] { return probe().tools.open == ToolPanel::None; }, 2},
        {"the user's settings page", false, [this] { clickToggle(probe().toolButtons.settings); },
         [this] { return probe().tools.open == ToolPanel::None; }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppProbe a = c.admin ? startAsAdmin() : startAsUser();
        c.start();
        int strokes = 0;
        for (; a.window.isOpen() && strokes < 5; ++strokes) {
            escape();
            EXPECT_TRUE(strokes > 0 || (c.cancelled() && a.window.isOpen()));
        }
        EXPECT_EQ(strokes, c.strokesToClose);
        app.reset();
    }
}
