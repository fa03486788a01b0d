// Ctrl+Z in the App: three edits undone in reverse order to the byte in both
// files, a failed save that keeps its step, and Ctrl+Z in a property input,
// which is no undo. Redo is driven through the real keys end to end.
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

class UndoKeysWindow : public EditorFixture {
protected:
    std::string files() const { return spotsFile() + "|" + roadsFile(); }
};

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
