// Escape in the App: one thing under way cancelled a press, the window
// closed only when nothing is.
#include <functional>
#include <gtest/gtest.h>

#include "settings/HelpTexts.h"
#include "support/EditorFixture.h"
#include "support/Events.h"
#include "support/FieldEvents.h"

namespace {

class EscapeKeyWindow : public EditorFixture {
protected:
    // One stroke of the key; while it is down, the pointer moves.
    void escape() {
        heldKeys.insert(sf::Keyboard::Escape);
        send(keyPressed(sf::Keyboard::Escape));
        send(mouseMove(20, 20));
        heldKeys.erase(sf::Keyboard::Escape);
        send(keyReleased(sf::Keyboard::Escape));
    }
    // Strokes until the window closes, at most ten.
    int strokesToClose() {
        int strokes = 0;
        while (probe().window.isOpen() && strokes < 10) {
            escape();
            ++strokes;
        }
        return strokes;
    }
};

struct Cancel {
    const char* what;
    bool admin;
    std::function<void()> start;  // puts something under way
    std::function<void(AppProbe&)> expectCancelled;
    int strokesToCloseAfter;  // after the stroke that cancelled
};

}  // namespace

TEST_F(EscapeKeyWindow, EachStrokeCancelsOneThingUnderWayAndTheLastClosesTheWindow) {
    const std::string spots = readBytes(dir.file("Data/cross.txt"));
    const Cancel cancels[] = {
        {"a property edit, as 取消", true,
         [this] {
             editSpot(7);
             retype(kNameInput, L"小厨");
         },
         [&](AppProbe& a) {
             EXPECT_FALSE(a.editor.property.editing);
             EXPECT_EQ(a.editor.property.inputs[kNameInput].text.getString(), L"川味小厨");
             EXPECT_EQ(a.editor.status.text.getString(), L"放弃修改");
             EXPECT_EQ(readBytes(dir.file("Data/cross.txt")), spots);
         },
         1},
        {"a pending route pick", false, [this] { shiftClick(spotPixel(3)); },
         [this](AppProbe& a) {
             EXPECT_FALSE(a.pick.pending);
             EXPECT_TRUE(a.panel.routePickIdle);
             EXPECT_TRUE(outlinedSpots().empty());
             EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
             EXPECT_EQ(a.panel.body.getString(), kHelpText);
             click(spotPixel(8));
             EXPECT_EQ(a.selection.spotNumber, 8) << "ordinary clicks answer again";
             click(kEmptyMapPixel);
         },
         1},
        {"a road pick", true,
         [this] {
             openDrawingPanel();
             clickToggle(probe().editor.drawing.drawRoad);
             click(spotPixel(1));
         },
         [this](AppProbe& a) {
             EXPECT_EQ(a.editor.drawing.mode, DrawingMode::None);
             EXPECT_EQ(a.pick.pickCount, 0);
             EXPECT_TRUE(a.map.spots[1].selectable);
             EXPECT_TRUE(outlinedSpots().empty());
             EXPECT_FALSE(a.editor.status.visible) << "选择终点";
             EXPECT_TRUE(isOpen(a.tools, ToolPanel::Drawing));
         },
         2},
        {"place-spot mode", true,
         [this] {
             openDrawingPanel();
             clickToggle(probe().editor.drawing.placeSpot);
         },
         [](AppProbe& a) { EXPECT_EQ(a.editor.drawing.mode, DrawingMode::None); }, 2},
        {"the user-data table", true, [this] { clickToggle(probe().toolButtons.userData); },
         [](AppProbe& a) { EXPECT_EQ(a.tools.open, ToolPanel::None); }, 1},
        {"the administrator's settings page", true,
         [this] { clickToggle(probe().toolButtons.settings); },
         [](AppProbe& a) { EXPECT_EQ(a.tools.open, ToolPanel::None); }, 1},
        {"the user's settings page", false, [this] { clickToggle(probe().toolButtons.settings); },
         [](AppProbe& a) { EXPECT_EQ(a.tools.open, ToolPanel::None); }, 1},
    };
    for (const Cancel& c : cancels) {
        SCOPED_TRACE(c.what);
        AppProbe a = c.admin ? startAsAdmin() : startAsUser();
        c.start();
        escape();
        ASSERT_TRUE(a.window.isOpen());
        c.expectCancelled(a);
        EXPECT_EQ(strokesToClose(), c.strokesToCloseAfter);
        app.reset();
    }
}

TEST_F(EscapeKeyWindow, AStrokeThatCancelledClosesNothingWhileTheKeyIsHeld) {
    AppProbe a = startAsAdmin();
    clickToggle(a.toolButtons.userData);
    heldKeys.insert(sf::Keyboard::Escape);
    send(keyPressed(sf::Keyboard::Escape));
    ASSERT_EQ(a.tools.open, ToolPanel::None);
    for (int i = 0; i < 3; ++i) send({mouseMove(30 + i, 30), keyPressed(sf::Keyboard::Escape)});  // key repeat
    EXPECT_TRUE(a.window.isOpen());
    heldKeys.erase(sf::Keyboard::Escape);
    send(keyReleased(sf::Keyboard::Escape));
    // A stroke so quick that the key is up before its press is handled.
    send(keyPressed(sf::Keyboard::Escape));
    EXPECT_FALSE(a.window.isOpen());
}
