// Ctrl+Z and Ctrl+Y in the App: a deletion undone and redone to the byte in
// both files, three edits undone in reverse order, a failed save that keeps
// its step, and Ctrl+Z in a property input, which is no undo.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/AtomicFile.h"
#include "map/MapFiles.h"
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

class MapUndoWindow : public EditorFixture {
protected:
    std::string files() const { return spotsFile() + "|" + roadsFile(); }
};

TEST_F(MapUndoWindow, ADeletedSpotAndItsTwoRoadsComeBackAndGoAgain) {
    App& a = startAsAdmin();
    const std::string before = files();
    click(spotPixel(20));
    clickButton(a.editor.property.deleteButton);
    ASSERT_EQ(a.map.roadCount, 41);
    const std::string deleted = files();

    send(ctrlKey(sf::Keyboard::Z));
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(statusShows(L"已撤销", sf::Color::Green));
    EXPECT_EQ(a.map.spots[20].name, L"烧烤城");
    EXPECT_TRUE(a.panel.nothingSelected && !a.selection.selected && outlinedSpots().empty());
    send(ctrlKey(sf::Keyboard::Y));
    EXPECT_EQ(files(), deleted);
    EXPECT_TRUE(statusShows(L"已重做", sf::Color::Green));
    send(ctrlKey(sf::Keyboard::Y));
    EXPECT_TRUE(statusShows(L"没有可重做的修改", sf::Color::Yellow));
}

TEST_F(MapUndoWindow, ThreeEditsAreUndoneInReverseOrderAndAFailedSaveKeepsTheStep) {
    App& a = startAsAdmin();
    openDrawingPanel();
    clickToggle(a.editor.drawing.remove);
    std::vector<std::string> states{files()};
    click(spotPixel(25));
    states.push_back(files());
    click(roadPixel(1));
    states.push_back(files());
    clickToggle(a.editor.drawing.placeSpot);
    click(kEmptyMapPixel);
    states.push_back(files());
    ASSERT_EQ(std::set<std::string>(states.begin(), states.end()).size(), 4u);

    const std::string blocker = temporaryPathOf(dir.file(kRoadsFile));
    std::filesystem::create_directory(blocker);
    send(ctrlKey(sf::Keyboard::Z));
    EXPECT_TRUE(statusShows(L"保存失败", sf::Color::Red));
    EXPECT_EQ(files(), states[3]);
    EXPECT_EQ(a.map.spotCount, 25) << "the placed spot stays";
    std::filesystem::remove(blocker);
    for (int n = 2; n >= 0; --n) {
        send(ctrlKey(sf::Keyboard::Z));
        EXPECT_EQ(files(), states[n]) << n;
    }
    send(ctrlKey(sf::Keyboard::Z));
    EXPECT_TRUE(statusShows(L"没有可撤销的修改", sf::Color::Yellow));
    send(ctrlKey(sf::Keyboard::Z, true));
    EXPECT_EQ(files(), states[1]);
}

TEST_F(MapUndoWindow, CtrlZInAPropertyInputIsNeitherAnUndoNorText) {
    App& a = startAsAdmin();
    click(spotPixel(20));
    clickButton(a.editor.property.deleteButton);
    const std::string deleted = files();
    editSpot(7);
    clickBox(a.editor.property.inputs[kNameInput].box);
    send({ctrlKey(sf::Keyboard::Z), textEntered(0x1a)});
    clickButton(a.editor.property.confirmButton);
    EXPECT_EQ(a.map.spots[7].name, L"川味小厨");
    EXPECT_EQ(a.map.spotCount, 24);
    EXPECT_EQ(files(), deleted);
}
