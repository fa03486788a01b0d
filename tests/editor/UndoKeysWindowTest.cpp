// Ctrl+Z and Ctrl+Shift+Z in the App: each kind of change undone and redone
// to the byte in both files, three undone in reverse order, a failed save
// that keeps its step, the keys kept from the map under a page or a property
// input, the steps forgotten at logout, and what a step ends: a route pick, a
// begun road, a shown report.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "base/AtomicFile.h"
#include "map/MapFiles.h"
#include "settings/HelpTexts.h"
#include "support/EditorFixture.h"
#include "support/Events.h"

namespace {

sf::Event ctrlKey(sf::Keyboard::Key key, bool shift = false) {
    sf::Event event = keyPress(key);
    event.key.control = true;
    event.key.shift = shift;
    return event;
}

}  // namespace

class UndoKeysWindow : public EditorFixture {
protected:
    std::string files() const { return spotsFile() + "|" + roadsFile(); }
    // A spot placed on empty map, the drawing panel closed again.
    void placeSpot() {
        openDrawingPanel();
        clickToggle(probe().editor.drawing.placeSpot);
        click(kEmptyMapPixel);
        clickToggle(probe().toolButtons.drawing);
    }
    // 绘制道路 on in the open drawing panel and the road's start picked.
    void beginRoad(int start) {
        openDrawingPanel();
        clickToggle(probe().editor.drawing.drawRoad);
        click(spotPixel(start));
    }
    void showRoute() {
        shiftClick(spotPixel(11));
        shiftClick(spotPixel(25));
    }
    void undo() { send(ctrlKey(sf::Keyboard::Z)); }
    void redo() { send(ctrlKey(sf::Keyboard::Z, true)); }
};

TEST_F(UndoKeysWindow, EachKindOfChangeIsUndoneAndRedoneToTheByte) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a placed spot", [&] { placeSpot(); }},
        {"a drawn road",
         [&] {
             beginRoad(1);
             click(spotPixel(8));
             clickToggle(probe().toolButtons.drawing);
         }},
        {"a confirmed edit",
         [&] {
             editSpot(7);
             retype(kNameInput, L"新名");
             clickButton(probe().editor.property.confirmButton);
         }},
    };
    startAsAdmin();
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        const std::string before = files();
        change();
        const std::string after = files();
        ASSERT_NE(after, before);
        undo();
        EXPECT_EQ(files(), before);
        EXPECT_TRUE(statusShows(L"已撤销", sf::Color::Green));
        redo();
        EXPECT_EQ(files(), after);
        EXPECT_TRUE(statusShows(L"已重做", sf::Color::Green));
        redo();
        EXPECT_TRUE(statusShows(L"没有可重做的修改", sf::Color::Yellow));
    }
}

TEST_F(UndoKeysWindow, APageOverTheMapTakesNoUndoAndLogoutForgetsTheSteps) {
    AppProbe a = startAsAdmin();
    for (const ToggleButton* page : {&a.toolButtons.userData, &a.toolButtons.settings}) {
        placeSpot();
        const std::string placed = files();
        clickToggle(*page);
        ASSERT_TRUE(pageCoversMap(a.frame.screen, a.tools));
        undo();
        EXPECT_EQ(files(), placed);
        clickToggle(*page);
        undo();
        EXPECT_NE(files(), placed) << "undone once the map is shown";
    }
    placeSpot();
    const std::string placed = files();
    click(buttonPixel(a.backButton));
    logIn(L"云栖客", L"5820413");
    undo();
    EXPECT_TRUE(statusShows(L"没有可撤销的修改", sf::Color::Yellow));
    EXPECT_EQ(files(), placed);
}

// Whatever occupies the pick or the side panel names spots by the numbers
// the step may change: it ends, and the panel comes to rest.
TEST_F(UndoKeysWindow, AStepEndsARoutePickABegunRoadAndAShownReport) {
    const std::pair<const char*, std::function<void()>> states[] = {
        {"a route pick", [&] { shiftClick(spotPixel(11)); }},
        {"a begun road", [&] { beginRoad(1); }},
        {"a shown report", [&] { showRoute(); }},
    };
    for (const auto& [name, begin] : states) {
        SCOPED_TRACE(name);
        AppProbe a = startAsAdmin();
        placeSpot();
        begin();
        ASSERT_FALSE(outlinedSpots().empty());
        undo();
        EXPECT_EQ(a.pick.pickCount, 0);
        EXPECT_FALSE(a.pick.pending);
        EXPECT_TRUE(outlinedSpots().empty());
        EXPECT_TRUE(a.panel.routePickIdle);
        EXPECT_FALSE(a.panel.scrollMode);
        EXPECT_EQ(a.panel.title.getString(), kAdminPanelTitle);
        app.reset();
    }
}

// The message at the panel's foot would cover the report's last lines: the
// report gives way even when there is nothing to undo, and a route shown
// after a step takes the panel without the step's message.
TEST_F(UndoKeysWindow, TheMessageAtThePanelsFootNeverStandsOverAReport) {
    AppProbe a = startAsAdmin();
    showRoute();
    undo();
    EXPECT_TRUE(statusShows(L"没有可撤销的修改", sf::Color::Yellow));
    EXPECT_TRUE(a.panel.routePickIdle);
    EXPECT_TRUE(outlinedSpots().empty());
    frame();
    EXPECT_EQ(a.panel.body.getString(), kCreditsText) << "the resting panel under the message";
    click(kEmptyMapPixel);
    EXPECT_FALSE(a.editor.status.visible) << "a map click takes the message away";

    placeSpot();
    undo();
    ASSERT_TRUE(statusShows(L"已撤销", sf::Color::Green));
    showRoute();
    EXPECT_FALSE(a.panel.routePickIdle);
    EXPECT_FALSE(a.editor.status.visible);
}

// The begun road ends with the step; the mode stays on and its prompt
// follows the step's message on the same line, in yellow.
TEST_F(UndoKeysWindow, InDrawRoadModeTheModesPromptFollowsTheStepsMessage) {
    AppProbe a = startAsAdmin();
    placeSpot();
    beginRoad(1);
    undo();
    EXPECT_TRUE(statusShows(L"已撤销", sf::Color::Green));
    const StatusMessage& status = a.editor.status;
    EXPECT_EQ(status.prompt.getString(), L"选择起点");
    const sf::FloatRect message = status.text.getGlobalBounds(), prompt = status.prompt.getGlobalBounds();
    EXPECT_GT(prompt.left, message.left + message.width);
    EXPECT_LT(prompt.left + prompt.width, 800.f) << "inside the window";
    const sf::Image shot = frame();
    int yellow = 0;
    for (float y = prompt.top; y < prompt.top + prompt.height; ++y)
        for (float x = prompt.left; x < prompt.left + prompt.width; ++x) yellow += colourAt(shot, {x, y}) == sf::Color::Yellow;
    EXPECT_GT(yellow, 50) << "the prompt on screen";

    click(spotPixel(1));
    EXPECT_TRUE(statusShows(L"选择终点", sf::Color::Yellow));
    EXPECT_TRUE(status.prompt.getString().isEmpty());
    undo();
    EXPECT_TRUE(statusShows(L"没有可撤销的修改", sf::Color::Yellow));
    EXPECT_EQ(status.prompt.getString(), L"选择终点") << "no step: the start stays picked";
    EXPECT_EQ(a.pick.pickCount, 1);
}

TEST_F(UndoKeysWindow, ThreeEditsAreUndoneInReverseOrderAndAFailedSaveKeepsTheStep) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    std::vector<std::string> states{files()};
    clickToggle(a.editor.drawing.placeSpot);
    click(kEmptyMapPixel);
    states.push_back(files());
    clickToggle(a.editor.drawing.remove);
    for (const sf::Vector2i pixel : {spotPixel(20), roadPixel(1)}) {  // spot 20 has two roads
        click(pixel);
        states.push_back(files());
    }
    ASSERT_EQ(std::set<std::string>(states.begin(), states.end()).size(), 4u);

    const std::string blocker = temporaryPathOf(dir.file(kRoadsFile));
    std::filesystem::create_directory(blocker);
    send(ctrlKey(sf::Keyboard::Z));
    EXPECT_TRUE(statusShows(L"保存失败", sf::Color::Red));
    EXPECT_EQ(files(), states[3]);
    EXPECT_EQ(a.map.roadCount, 40) << "the road stays deleted";
    std::filesystem::remove(blocker);
    for (int n = 2; n >= 0; --n) {
        send(ctrlKey(sf::Keyboard::Z));
        EXPECT_EQ(files(), states[n]) << n;
        EXPECT_FALSE(anythingSelected(a.selection)) << "the deleted road's number names another road now";
    }
    EXPECT_TRUE(statusShows(L"已撤销", sf::Color::Green));
    send(ctrlKey(sf::Keyboard::Z));
    EXPECT_TRUE(statusShows(L"没有可撤销的修改", sf::Color::Yellow));
}

TEST_F(UndoKeysWindow, CtrlZInAPropertyInputIsNeitherAnUndoNorText) {
    AppProbe a = startAsAdmin();
    click(spotPixel(20));
    clickButton(a.editor.property.deleteButton);
    const std::string deleted = files();
    editSpot(7);
    clickBox(a.editor.property.inputs[kNameInput].box);
    send({ctrlKey(sf::Keyboard::Z), textEntered(0x1a)});
    clickButton(a.editor.property.confirmButton);
    EXPECT_EQ(a.map.spots[7].name, L"川味小厨");
    EXPECT_EQ(files(), deleted);
}
