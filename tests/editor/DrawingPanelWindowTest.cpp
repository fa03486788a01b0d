// The drawing panel in the App: its three exclusive modes, placing a spot,
// drawing a road through the shared pick, deleting, and what the status
// message says about each.
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

#include "base/TextConvert.h"
#include "map/MapFiles.h"
#include "route/MapRebuild.h"
#include "support/EditorFixture.h"
#include "support/MapRows.h"

namespace {

const std::vector<std::string> kNewSpotRow = {wideToNarrow(L"酒店"), wideToNarrow(L"新建景点"), "1"};

bool allSelectable(const MapModel& map) {
    for (int n = 1; n <= map.spotCount; ++n)
        if (!map.spots[n].selectable) return false;
    return true;
}

}  // namespace

class DrawingPanelWindow : public EditorFixture {
protected:
    DrawingPanel& drawing() { return probe().editor.drawing; }
    sf::Color fillOnScreen(const ToggleButton& button) {
        return colourAt(frame(), button.rect.getPosition() + sf::Vector2f(12.f, 12.f));
    }
};

TEST_F(DrawingPanelWindow, TheThreeModesAreExclusiveAndGreenWhileOn) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    const sf::Image open = frame();
    EXPECT_EQ(colourAt(open, {540.f, 210.f}), sf::Color::Green) << "the panel";
    for (const ToggleButton* b : {&drawing().placeSpot, &drawing().drawRoad, &drawing().remove})
        EXPECT_EQ(fillOnScreen(*b), sf::Color::Red);

    const std::pair<const ToggleButton*, DrawingMode> modes[] = {{&drawing().placeSpot, DrawingMode::PlaceSpot},
                                                                 {&drawing().drawRoad, DrawingMode::DrawRoad},
                                                                 {&drawing().remove, DrawingMode::Delete}};
    for (const auto& [button, mode] : modes) {
        clickToggle(*button);
        EXPECT_EQ(drawing().mode, mode);
        for (const auto& [other, otherMode] : modes)
            EXPECT_EQ(fillOnScreen(*other), otherMode == mode ? sf::Color::Green : sf::Color::Red);
    }
    clickToggle(drawing().remove);
    EXPECT_EQ(drawing().mode, DrawingMode::None);

    clickToggle(drawing().drawRoad);
    EXPECT_TRUE(statusShows(L"选择起点", sf::Color::Yellow));
    // Closing the panel leaves the mode; reopened, it starts with none.
    clickToggle(a.toolButtons.drawing);
    EXPECT_EQ(drawing().mode, DrawingMode::None);
    openDrawingPanel();
    EXPECT_EQ(drawing().mode, DrawingMode::None);
    EXPECT_FALSE(a.editor.status.visible);
}

TEST_F(DrawingPanelWindow, TheLabelsAnswerTheHoverEvenWhileThePanelIsClosed) {
    startAsAdmin();
    moveMouse(buttonPixel(drawing().drawRoad.label));
    EXPECT_EQ(drawing().drawRoad.label.getFillColor(), sf::Color::Green);
    EXPECT_EQ(drawing().placeSpot.label.getFillColor(), sf::Color::Yellow);
    moveMouse(kEmptyMapPixel);
    EXPECT_EQ(drawing().drawRoad.label.getScale(), sf::Vector2f(1.f, 1.f));
}

TEST_F(DrawingPanelWindow, APlacedSpotIsAHotelCentredOnTheClickSavedAndDrawn) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    clickToggle(drawing().placeSpot);
    moveMouse(kEmptyMapPixel);
    const sf::Vector2f point = mapPoint(kEmptyMapPixel);
    EXPECT_EQ(drawing().preview.getPosition(), sf::Vector2f(std::trunc(point.x), std::trunc(point.y)));
    const sf::Image preview = frame();
    EXPECT_EQ(preview.getPixel(kEmptyMapPixel.x, kEmptyMapPixel.y), sf::Color::Cyan) << "the preview under the mouse";

    const int before = a.map.spotCount;
    click(kEmptyMapPixel);
    ASSERT_EQ(a.map.spotCount, before + 1);
    EXPECT_EQ(a.map.spots[before + 1].centre(), sf::Vector2f(std::trunc(point.x - 30) + 30, std::trunc(point.y - 30) + 30));
    std::vector<std::string> row = spotsFileRow(before + 1);
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(row.begin(), row.begin() + 3), kNewSpotRow);
    EXPECT_EQ(row[3], intToText(static_cast<int>(point.x - 30)));
    EXPECT_EQ(row[5], "1000");
    EXPECT_EQ(drawing().mode, DrawingMode::None) << "one placement a time";
    EXPECT_NE(frame().getPixel(kEmptyMapPixel.x, kEmptyMapPixel.y), sf::Color::Cyan) << "the hotel, no preview";

    // Clicks after the attempt place nothing.
    click(kEmptyMapPixel + sf::Vector2i(0, 60));
    EXPECT_EQ(a.map.spotCount, before + 1);
}

TEST_F(DrawingPanelWindow, ASpotTooCloseOrBeyondTheLastSlotIsRefusedWithNothingChanged) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    const std::string spots = spotsFile();
    clickToggle(drawing().placeSpot);
    click(spotPixel(7) + sf::Vector2i(10, 0));
    EXPECT_TRUE(statusShows(L"景点太近", sf::Color::Red));
    EXPECT_EQ(drawing().mode, DrawingMode::None);
    EXPECT_EQ(spotsFile(), spots);
    EXPECT_EQ(a.map.spotCount, 25);

    auto full = emptyMap();
    for (int i = 0; i < kMaxMapObjects; ++i) addSpotRow(*full, L"银行", L"行", 1, -5000 + 100 * (i % 20), 2000 + 100 * (i / 20), "1");
    a.map.spotTable = full->spotTable;
    writeMapFiles(full->spotTable, a.map.roadTable);
    const std::string fullFile = spotsFile();
    clickToggle(drawing().placeSpot);
    click(kEmptyMapPixel);
    EXPECT_TRUE(statusShows(L"景点数量已满", sf::Color::Red));
    EXPECT_EQ(a.map.spotTable.count, kMaxMapObjects);
    EXPECT_EQ(spotsFile(), fullFile);
}

TEST_F(DrawingPanelWindow, ARoadJoinsTheTwoSpotsPickedAndEndsTheMode) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    clickToggle(drawing().drawRoad);
    click(spotPixel(1));
    EXPECT_EQ(consoleText().substr(consoleText().size() - 2), "1\n");
    EXPECT_TRUE(statusShows(L"选择终点", sf::Color::Yellow));
    EXPECT_FALSE(a.map.spots[1].selectable);
    // The start cannot be picked again as the end.
    click(spotPixel(1));
    EXPECT_EQ(a.map.roadCount, 43);
    EXPECT_FALSE(a.editor.status.visible) << "a press that picks nothing hides the prompt";
    EXPECT_EQ(drawing().mode, DrawingMode::DrawRoad);

    click(spotPixel(8));
    ASSERT_EQ(a.map.roadCount, 44);
    EXPECT_EQ(roadsFileRow(44), (std::vector<std::string>{wideToNarrow(L"普通道路"), wideToNarrow(L"新建路线"), "1000",
                                                           "1", "8", "1"}));
    EXPECT_EQ(a.map.roads[44].bar.getPosition(), a.map.spots[1].centre());
    EXPECT_EQ(drawing().mode, DrawingMode::None);
    EXPECT_EQ(a.pick.pickCount, 0);
    EXPECT_TRUE(allSelectable(a.map));
    EXPECT_FALSE(anythingSelected(a.selection));
    EXPECT_FALSE(a.editor.status.visible);
}

// The road's two ends are outlined by their picks until the panel closes.
TEST_F(DrawingPanelWindow, ClosingThePanelTakesAwayTheOutlinesOfARoadDrawnOrRefused) {
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full ? "refused" : "drawn");
        AppProbe a = startAsAdmin();
        if (full) a.map.roadTable.count = kMaxMapObjects;
        openDrawingPanel();
        clickToggle(drawing().drawRoad);
        click(spotPixel(1));
        click(spotPixel(8));
        ASSERT_EQ(outlinedSpots(), (std::vector<int>{1, 8}));
        clickToggle(a.toolButtons.drawing);
        EXPECT_TRUE(outlinedSpots().empty());
        app.reset();
    }
}

TEST_F(DrawingPanelWindow, LeavingDrawRoadModeAfterTheStartEndsThePick) {
    enum class Leave { DrawRoadAgain, PlaceSpot, ClosePanel, Logout };
    for (Leave leave : {Leave::DrawRoadAgain, Leave::PlaceSpot, Leave::ClosePanel, Leave::Logout}) {
        SCOPED_TRACE(static_cast<int>(leave));
        AppProbe a = startAsAdmin();
        openDrawingPanel();
        clickToggle(drawing().drawRoad);
        click(spotPixel(1));
        ASSERT_EQ(a.pick.pickCount, 1);
        switch (leave) {
            case Leave::DrawRoadAgain: clickToggle(drawing().drawRoad); break;
            case Leave::PlaceSpot: clickToggle(drawing().placeSpot); break;
            case Leave::ClosePanel:
                click(kEmptyMapPixel);  // clears the selection the pick made, so 绘制模式 answers
                clickToggle(a.toolButtons.drawing);
                EXPECT_FALSE(isOpen(a.tools, ToolPanel::Drawing));
                break;
            case Leave::Logout: click(buttonPixel(a.backButton)); break;
        }
        EXPECT_EQ(a.pick.pickCount, 0);
        EXPECT_TRUE(allSelectable(a.map));
        EXPECT_NE(drawing().mode, DrawingMode::DrawRoad);
        EXPECT_EQ(a.map.roadCount, 43);
        app.reset();
    }
}

TEST_F(DrawingPanelWindow, DeleteModeRemovesTheSpotClickedWithItsRoadsAndStaysOn) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    clickToggle(drawing().remove);
    click(spotPixel(3));  // 农商银行, with four roads, two of them in lines 14 and 15

    EXPECT_EQ(a.map.spotCount, 24);
    EXPECT_EQ(a.map.roadCount, 39);
    EXPECT_EQ(a.map.spots[3].name, L"惠民超市");
    EXPECT_EQ(narrowToWide(spotsFileRow(3)[1]), L"惠民超市");
    const std::vector<std::string> wangjiang = roadsFileRow(14);  // was line 16, 望江路 between spots 5 and 4
    EXPECT_EQ(narrowToWide(wangjiang[1]), L"望江路");
    EXPECT_EQ(std::vector<std::string>(wangjiang.begin() + 4, wangjiang.end()), (std::vector<std::string>{"4", "3"}));
    for (int n = 1; n <= a.map.roadCount; ++n) EXPECT_TRUE(roadEndsValid(a.map, a.map.roads[n])) << n;
    EXPECT_TRUE(outlinedSpots().empty());
    EXPECT_EQ(drawing().mode, DrawingMode::Delete);

    click(roadPixel(1));
    EXPECT_EQ(a.map.roadCount, 38) << "a road, too";
    // Nothing stays selected of what was deleted: the tool buttons answer.
    EXPECT_FALSE(anythingSelected(a.selection));
    clickToggle(a.toolButtons.drawing);
    EXPECT_FALSE(isOpen(a.tools, ToolPanel::Drawing));
}

// Road 2 (西环高速) runs down from spot 6 to spot 11, leaning left; road 10
// (机场高速) crosses the map diagonally, its box over the middle of road 19.
TEST_F(DrawingPanelWindow, DeleteModeRemovesARoadOnlyWhereItsBarIsDrawn) {
    AppProbe a = startAsAdmin();
    openDrawingPanel();
    clickToggle(drawing().remove);
    const sf::Vector2i beside = mapPixel({-118.f, 330.f});
    ASSERT_TRUE(a.map.roads[2].bar.getGlobalBounds().contains(mapPoint(beside)));
    click(beside);
    EXPECT_EQ(a.map.roadCount, 43) << "a click on empty map deletes nothing";

    ASSERT_TRUE(a.map.roads[10].bar.getGlobalBounds().contains(mapPoint(roadPixel(19))));
    const std::vector<std::string> road10 = roadsFileRow(10), road20 = roadsFileRow(20);
    click(roadPixel(19));
    EXPECT_EQ(roadsFileRow(10), road10);
    EXPECT_EQ(roadsFileRow(19), road20) << "road 19 went";
}

TEST_F(DrawingPanelWindow, AFileThatCannotBeWrittenIsReportedAndTheChangeKept) {
    AppProbe a = startAsAdmin();
    const std::string spots = spotsFile(), roads = roadsFile();
    // A folder where the replacement of the roads file would be written.
    std::filesystem::create_directory(dir.file(kRoadsFile) + ".tmp");
    openDrawingPanel();
    clickToggle(drawing().remove);
    click(spotPixel(3));
    EXPECT_TRUE(statusShows(L"保存失败", sf::Color::Red));
    EXPECT_EQ(spotsFile(), spots) << "neither file changes";
    EXPECT_EQ(roadsFile(), roads);
    EXPECT_EQ(a.map.spotCount, 24) << "the map keeps the deletion";
    EXPECT_EQ(colourAt(frame(), {560.f, 540.f}), sf::Color::Red) << "the message on screen";

    // Once the roads file can be written, the next save, a new spot, brings
    // both files up to date together.
    std::filesystem::remove(dir.file(kRoadsFile) + ".tmp");
    clickToggle(drawing().placeSpot);
    click(kEmptyMapPixel);
    EXPECT_FALSE(a.editor.status.visible);
    EXPECT_EQ(spotsFile(), mapFileText(a.map.spotTable));
    EXPECT_EQ(roadsFile(), mapFileText(a.map.roadTable));
}

TEST_F(DrawingPanelWindow, APressOn退出登录OnlyLogsOut) {
    for (DrawingMode mode : {DrawingMode::PlaceSpot, DrawingMode::Delete}) {
        AppProbe a = startAsAdmin();
        const sf::Vector2i back = buttonPixel(a.backButton);
        if (mode == DrawingMode::Delete) {
            // Spot 1 moves under the button, for delete mode to find there.
            const sf::Vector2f under = mapPoint(back) - sf::Vector2f(30.f, 30.f);
            a.map.spotTable.rows[0][3] = intToText(static_cast<int>(under.x));
            a.map.spotTable.rows[0][4] = intToText(static_cast<int>(under.y));
            rebuildMap(a.map, spotTextures(a.assets), a.graph, a.criterion, a.console());
            ASSERT_TRUE(spotContains(a.map.spots[1], mapPoint(back)));
        }
        const std::string spots = spotsFile();
        openDrawingPanel();
        clickToggle(mode == DrawingMode::PlaceSpot ? drawing().placeSpot : drawing().remove);
        click(back);
        EXPECT_EQ(a.frame.screen, kLoginScreen);
        EXPECT_EQ(a.map.spotCount, 25);
        EXPECT_EQ(spotsFile(), spots);
        app.reset();
    }
}
