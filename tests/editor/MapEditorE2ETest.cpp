// The map editor in the real binary, as the administrator uses it: placing
// a spot, connecting two spots, editing a spot's x, deleting a spot, undoing
// and redoing a deletion, and a Data folder that cannot be written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "base/TextConvert.h"
#include "support/Program.h"
#include "support/RunTree.h"
#include "support/TempDir.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Vector2i kPanelSample(630, 330);
const sf::Vector2i kEmptyMap(180, 190);  // map (170, 350): no spot, no road

// Interface points of the administrator's side panel.
const sf::Vector2i kDrawingMode = interfacePixel(650, 135);
const sf::Vector2i kPlaceSpot = interfacePixel(650, 255);
const sf::Vector2i kDrawRoad = interfacePixel(650, 355);
const sf::Vector2i kDelete = interfacePixel(650, 455);
const sf::Vector2i kEdit = interfacePixel(640, 348);          // 编辑
const sf::Vector2i kConfirm = interfacePixel(580, 348);       // 确定
const sf::Vector2i kDeleteObject = interfacePixel(640, 418);  // 删除
const sf::Vector2i kSpotXBox = interfacePixel(635, 190);
const sf::IntRect kStatusArea(430, 420, 210, 55);  // the status message at (600, 570), size 50

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (condition()) return true;
        pause(50);
    }
    return false;
}

int lineCount(const std::string& path) {
    int lines = 0;
    for (char c : readBytes(path)) lines += c == '\n';
    return lines;
}

class MapEditorE2E : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        program.logIn("云栖客", "5820413");
        ASSERT_TRUE(program.waitForPixel(kPanelSample, kPanelColour, 3000)) << "the administrator screen";
    }

    std::string spots() const { return program.file("Data/cross.txt"); }
    std::string roads() const { return program.file("Data/route.txt"); }

    void openDrawingPanel() {
        program.clickAt(kDrawingMode);
        ASSERT_TRUE(program.waitForPixel(interfacePixel(540, 210), sf::Color::Green, 2000)) << "the drawing panel";
    }

    Program program;
};

TEST_F(MapEditorE2E, APlacedSpotIsWrittenToTheSpotsFileAndDrawn) {
    openDrawingPanel();
    program.clickAt(kPlaceSpot);
    program.moveTo(kEmptyMap + sf::Vector2i(5, 5));
    program.moveTo(kEmptyMap);
    ASSERT_TRUE(program.waitForPixel(kEmptyMap, sf::Color::Cyan, 2000)) << "the preview under the mouse";
    program.saveScreenshot("editor-place-preview");

    program.clickAt(kEmptyMap);
    ASSERT_TRUE(waitFor([&] { return mapFileRow(spots(), 26).size() == 6; }, 2000)) << "line 26 of cross.txt";
    // The click's map point (170, 350) is the new spot's centre.
    EXPECT_EQ(mapFileRow(spots(), 26),
              (std::vector<std::string>{wideToNarrow(L"酒店"), wideToNarrow(L"新建景点"), "1", "140", "320", "1000"}));
    program.moveTo(300, 300);
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen(
        [](const sf::Image& s) { return countPixels(s, {170, 180, 20, 20}, sf::Color(39, 64, 139), 30) > 50; }, 2000,
        &shot))
        << "the hotel picture where the preview was";
    Program::saveScreenshot("editor-spot-placed", shot);
}

TEST_F(MapEditorE2E, TwoSpotsPickedAreJoinedByARoadInTheRoadsFile) {
    openDrawingPanel();
    program.clickAt(kDrawRoad);
    program.clickAt(program.spotCentreAtHome(1));
    EXPECT_TRUE(program.waitForOutput(std::regex("(^|\\n)1\\n"), 2000)) << "the count on the console";
    program.saveScreenshot("editor-road-start");
    program.clickAt(program.spotCentreAtHome(8));
    ASSERT_TRUE(waitFor([&] { return lineCount(roads()) == 44; }, 2000));
    EXPECT_EQ(mapFileRow(roads(), 44),
              (std::vector<std::string>{wideToNarrow(L"普通道路"), wideToNarrow(L"新建路线"), "1000", "1", "8", "1"}));
    program.saveScreenshot("editor-road-done");
}

TEST_F(MapEditorE2E, ASpotsNewXMovesItInTheFileAndOnTheMap) {
    const sf::Vector2i oldCentre = program.spotCentreAtHome(7);
    program.clickAt(oldCentre);
    pause(200);
    const sf::Image before = program.screenshot();
    program.clickAt(kEdit);
    program.clickAt(kSpotXBox);
    program.key("BackSpace BackSpace BackSpace BackSpace BackSpace");
    program.typeText("120");
    pause(100);
    program.saveScreenshot("editor-spot-editing");
    program.clickAt(kConfirm);
    ASSERT_TRUE(waitFor([&] { return mapFileRow(spots(), 7).size() == 6 && mapFileRow(spots(), 7)[3] == "120"; }, 2000));
    EXPECT_EQ(mapFileRow(spots(), 7)[4], "220");

    // 50 map units to the right are 25 pixels: the picture stands there now.
    const sf::Vector2i newCentre = program.spotCentreAtHome(7);
    ASSERT_EQ(newCentre, oldCentre + sf::Vector2i(25, 0));
    program.moveTo(300, 300);
    pause(300);
    const sf::Image after = program.screenshot();
    program.saveScreenshot("editor-spot-moved");
    int same = 0, total = 0;
    for (int dy = -9; dy <= 9; ++dy)
        for (int dx = -9; dx <= 9; ++dx, ++total)
            same += nearColour(Program::windowPixel(after, newCentre.x + dx, newCentre.y + dy),
                               Program::windowPixel(before, oldCentre.x + dx, oldCentre.y + dy), 8);
    EXPECT_GT(same, total * 9 / 10) << same << " of " << total;
    EXPECT_GT(countPixels(after, kStatusArea, sf::Color::Green), 50) << "修改成功";
}

// Escape first gives up the edit, as 取消 does; only the next one closes.
TEST_F(MapEditorE2E, EscapeCancelsATypedNameAndTheNextEscapeCloses) {
    const std::string before = readBytes(spots());
    program.clickAt(program.spotCentreAtHome(7));
    program.clickAt(kEdit);
    program.clickAt(interfacePixel(680, 140));  // the name's box
    program.typeText("abc");
    program.key("Escape");
    EXPECT_TRUE(program.waitForScreen(
        [](const sf::Image& s) { return countPixels(s, kStatusArea, sf::Color::Red) > 50; }, 2000))
        << "放弃修改";
    EXPECT_TRUE(program.running());
    EXPECT_EQ(readBytes(spots()), before);
    program.key("Escape");
    EXPECT_EQ(program.waitForExit(3000), 0);
}

TEST_F(MapEditorE2E, ADeletedSpotTakesItsRoadsAndTheOthersAreRenumbered) {
    openDrawingPanel();
    program.clickAt(kDelete);
    program.clickAt(program.spotCentreAtHome(3));
    ASSERT_TRUE(waitFor([&] { return lineCount(spots()) == 24 && lineCount(roads()) == 39; }, 2000));
    EXPECT_EQ(mapFileRow(spots(), 3)[1], wideToNarrow(L"惠民超市"));
    for (int n = 1; n <= 39; ++n) {
        const std::pair<int, int> ends = program.roadEnds(n);
        EXPECT_TRUE(ends.first >= 1 && ends.first <= 24 && ends.second >= 1 && ends.second <= 24) << n;
    }
    EXPECT_EQ(program.roadEnds(14), std::make_pair(4, 3)) << "望江路, from 5 and 4";
    program.moveTo(300, 300);
    pause(200);
    program.saveScreenshot("editor-spot-deleted");
}

TEST_F(MapEditorE2E, CtrlZBringsADeletedSpotBackAndCtrlYDeletesItAgain) {
    const std::string before = readBytes(spots()) + readBytes(roads());
    const sf::Vector2i spot = program.spotCentreAtHome(20);
    const sf::Color picture = Program::windowPixel(program.screenshot(), spot);
    program.clickAt(spot);
    program.clickAt(kDeleteObject);
    ASSERT_TRUE(waitFor([&] { return lineCount(spots()) == 24; }, 2000));
    const std::string deleted = readBytes(spots()) + readBytes(roads());

    program.key("ctrl+z");
    EXPECT_TRUE(waitFor([&] { return readBytes(spots()) + readBytes(roads()) == before; }, 2000));
    program.moveTo(300, 300);
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen(
        [&](const sf::Image& s) {
            return countPixels(s, kStatusArea, sf::Color::Green) > 50 && Program::windowPixel(s, spot) == picture;
        },
        2000, &shot))
        << "已撤销 at the panel's foot, the spot drawn again";
    Program::saveScreenshot("editor-undone", shot);
    program.key("ctrl+y");
    EXPECT_TRUE(waitFor([&] { return readBytes(spots()) + readBytes(roads()) == deleted; }, 2000));
}

TEST_F(MapEditorE2E, AnUnwritableDataFolderShowsSaveFailedAndBothFilesStay) {
    const std::string data = program.file("Data");
    const std::string files = "'" + spots() + "' '" + roads() + "' '" + data + "'";
    if (std::system(("chattr +i " + files + " 2>/dev/null").c_str()) != 0) {
        std::system(("chattr -i " + files + " 2>/dev/null").c_str());
        GTEST_SKIP() << "chattr +i is not possible here (needs root and a file system with attributes)";
    }
    struct Undo {
        std::string files;
        ~Undo() { std::system(("chattr -i " + files + " 2>/dev/null").c_str()); }
    } undo{files};
    const std::string spotsBefore = readBytes(spots()), roadsBefore = readBytes(roads());

    program.clickAt(program.spotCentreAtHome(3));
    program.clickAt(kDeleteObject);
    program.moveTo(300, 300);
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen([](const sf::Image& s) { return countPixels(s, kStatusArea, sf::Color::Red) > 50; },
                                      2000, &shot))
        << "保存失败 in red";
    Program::saveScreenshot("editor-save-failed", shot);
    EXPECT_EQ(readBytes(spots()), spotsBefore);
    EXPECT_EQ(readBytes(roads()), roadsBefore);
}

}  // namespace
