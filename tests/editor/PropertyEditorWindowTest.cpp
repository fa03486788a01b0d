// The property panel in the App: what it shows for a spot and for a road,
// editing with the type list and the typed inputs, confirming, cancelling,
// the refused values, and deleting from the panel.
#include <filesystem>
#include <gtest/gtest.h>

#include "base/TextConvert.h"
#include "map/MapFiles.h"
#include "support/EditorFixture.h"
#include "support/Events.h"

namespace {

std::vector<sf::String> shownTexts(const PropertyEditor& editor) {
    std::vector<sf::String> texts;
    for (const TextField& field : editor.inputs) texts.push_back(field.text.getString());
    return texts;
}

std::vector<sf::String> strings(std::initializer_list<const wchar_t*> texts) {
    return std::vector<sf::String>(texts.begin(), texts.end());
}

// Dark pixels of glyphs in an interface rectangle of the frame.
int blackPixels(const sf::Image& shot, const sf::Vector2i from, const sf::Vector2i to) {
    int count = 0;
    for (int y = from.y; y < to.y; ++y)
        for (int x = from.x; x < to.x; ++x) {
            const sf::Color c = shot.getPixel(x, y);
            count += c.r < 60 && c.g < 60 && c.b < 60;
        }
    return count;
}

}  // namespace

class PropertyEditorWindow : public EditorFixture {
protected:
    PropertyEditor& editor() { return probe().editor.property; }
    // The spot number's place, (730, 70) in the interface.
    int numberPixels(const sf::Image& shot) { return blackPixels(shot, interfacePixel({728, 72}), interfacePixel({760, 100})); }
};

TEST_F(PropertyEditorWindow, TheSpotAndTheRoadPanelsShowEveryValueWithItsUnit) {
    AppProbe a = startAsAdmin();
    click(spotPixel(7));
    EXPECT_EQ(a.panel.title.getString(), L"景点情况");
    EXPECT_EQ(shownTexts(editor()), strings({L"美食", L"川味小厨", L"70", L"220", L"56元", L"4星"}));
    std::vector<sf::String> labels;
    for (const sf::Text& label : editor().labels) labels.push_back(label.getString());
    EXPECT_EQ(labels, strings({L"类型：", L"名称：", L"坐标:(\t\t    ,    \t\t)", L"花费：", L"客户评价："}));
    EXPECT_EQ(editor().number.getString(), L"7");
    EXPECT_EQ(editor().inputs[kPlaceFirstInput].text.getPosition(), sf::Vector2f(590.f, 170.f));
    const sf::Image spot = frame();
    EXPECT_GT(numberPixels(spot), 10) << "the spot number";
    EXPECT_GT(blackPixels(spot, interfacePixel({500, 60}), interfacePixel({800, 310})), 500) << "labels and values";

    click(roadPixel(18));
    EXPECT_EQ(a.panel.title.getString(), L"道路状况");
    EXPECT_EQ(shownTexts(editor()), strings({L"普通道路", L"人民路", L"8", L"7", L"1080米", L"60千米/时"}));
    EXPECT_EQ(editor().labels[2].getString(), L"道路端点:(\t  ,\t  )");
    EXPECT_EQ(editor().labels[3].getString(), L"距离：");
    EXPECT_EQ(editor().labels[4].getString(), L"限制速度：");
    EXPECT_EQ(editor().inputs[kPlaceFirstInput].text.getPosition(), sf::Vector2f(650.f, 170.f));
    EXPECT_EQ(editor().inputs[kPlaceSecondInput].box.getSize(), sf::Vector2f(40.f, 40.f));
    EXPECT_EQ(editor().inputs[kTypeInput].box.getSize(), sf::Vector2f(150.f, 40.f));
    EXPECT_EQ(numberPixels(frame()), 0) << "no number for a road";
}

TEST_F(PropertyEditorWindow, EditingShowsTheBareValuesInBoxesAndTheTypeListOfTheKind) {
    AppProbe a = startAsAdmin();
    editSpot(7);
    EXPECT_EQ(shownTexts(editor()), strings({L"美食", L"川味小厨", L"70", L"220", L"56", L"4"}));
    const TextField& cost = editor().inputs[kMeasureInput];
    EXPECT_EQ(colourAt(frame(), cost.box.getPosition() + sf::Vector2f(170.f, 35.f)), sf::Color::White) << "its box";

    clickBox(editor().inputs[kTypeInput].box);
    ASSERT_TRUE(editor().listOpen);
    EXPECT_EQ(editor().lastOption, 3);
    std::vector<sf::String> options;
    for (int k = 0; k <= editor().lastOption; ++k) options.push_back(editor().options[k].text.getString());
    EXPECT_EQ(options, strings({L"酒店", L"银行", L"超市", L"美食"}));
    EXPECT_EQ(editor().options[2].box.getPosition(), sf::Vector2f(580.f, 190.f));
    clickBox(editor().options[1].box);
    EXPECT_FALSE(editor().listOpen);
    EXPECT_EQ(editor().inputs[kTypeInput].text.getString(), L"银行");
    EXPECT_EQ(a.map.spots[7].type, L"美食") << "only the input changes until 确定";

    clickButton(editor().cancelButton);
    editRoad(18);
    clickBox(editor().inputs[kTypeInput].box);
    EXPECT_EQ(editor().lastOption, 1);
    EXPECT_EQ(editor().options[0].text.getString(), L"高速公路");
    EXPECT_EQ(editor().options[1].text.getString(), L"普通道路");
    EXPECT_EQ(editor().options[1].box.getSize(), sf::Vector2f(150.f, 40.f));
}

TEST_F(PropertyEditorWindow, ConfirmSavesTheRowRebuildsTheMapAndShowsSuccess) {
    AppProbe a = startAsAdmin();
    editSpot(7);
    retype(kPlaceFirstInput, L"0120");
    clickBox(editor().inputs[kTypeInput].box);
    clickBox(editor().options[1].box);
    clickButton(editor().confirmButton);

    // The row keeps what was typed; the panel shows the rebuilt spot's values.
    EXPECT_TRUE(statusShows(L"修改成功", sf::Color::Green));
    EXPECT_FALSE(editor().editing);
    EXPECT_EQ(shownTexts(editor()), strings({L"银行", L"川味小厨", L"120", L"220", L"56元", L"4星"}));
    EXPECT_EQ(spotsFileRow(7), (std::vector<std::string>{wideToNarrow(L"银行"), wideToNarrow(L"川味小厨"), "4", "0120",
                                                          "220", "56"}));
    // Editing again and cancelling restores the saved values.
    clickButton(editor().editButton);
    retype(kPlaceFirstInput, L"99");
    clickButton(editor().cancelButton);
    EXPECT_EQ(shownTexts(editor()), strings({L"银行", L"川味小厨", L"120", L"220", L"56元", L"4星"}));
    EXPECT_EQ(a.map.spots[7].getPosition(), sf::Vector2f(120.f, 220.f)) << "moved 50 to the right";
    EXPECT_EQ(a.map.spots[7].circle.getTexture(), &a.assets.bank);

    // A road's new end: the bar is laid to the new spot.
    editRoad(1);
    retype(kPlaceFirstInput, L"9");
    clickButton(editor().confirmButton);
    EXPECT_EQ(roadsFileRow(1)[4], "9");
    EXPECT_EQ(a.map.roads[1].endSpot, 9);
    EXPECT_EQ(a.graph.cells[1][9].road, 1);
    EXPECT_FALSE(hasRoad(a.graph.cells[1][6]));
}

TEST_F(PropertyEditorWindow, CancelAndAnEmptyInputBringTheStoredValuesBack) {
    startAsAdmin();
    const std::string spots = spotsFile();
    editSpot(7);
    retype(kNameInput, L"新名");
    retype(kMeasureInput, L"99");
    clickButton(editor().cancelButton);
    EXPECT_TRUE(statusShows(L"放弃修改", sf::Color::Red));
    EXPECT_EQ(shownTexts(editor()), strings({L"美食", L"川味小厨", L"70", L"220", L"56元", L"4星"}));
    EXPECT_FALSE(editor().editing);

    // The next edit starts without the last one's message.
    clickButton(editor().editButton);
    EXPECT_FALSE(probe().editor.status.visible);
    retype(kNameInput, L"");
    clickButton(editor().confirmButton);
    EXPECT_TRUE(statusShows(L"输入为空", sf::Color::Red));
    EXPECT_EQ(editor().inputs[kNameInput].text.getString(), L"川味小厨");
    EXPECT_EQ(editor().inputs[kNameInput].text.getFillColor(), sf::Color::Black);
    EXPECT_EQ(spotsFile(), spots);

    // A press elsewhere in the panel while viewing hides the message.
    click(interfacePixel({700.f, 500.f}));
    EXPECT_FALSE(probe().editor.status.visible);
}

TEST_F(PropertyEditorWindow, ValuesTheFileOrTheMapCannotHoldAreRefusedAndNothingIsWritten) {
    struct Case {
        bool road;
        PropertyInput input;
        std::wstring typed;
        const wchar_t* message;
    };
    const Case cases[] = {
        {false, kPlaceFirstInput, L"1.5", L"输入有误"},
        {false, kMeasureInput, L"-56", L"输入有误"},
        {false, kGradeInput, L"/", L"输入有误"},
        {false, kNameInput, L"川 厨", L"名称不能含空格"},
        {false, kNameInput, L"川\U0001F600", L"名称含有无法保存的字符"},
        {true, kPlaceFirstInput, L"99", L"输入有误"},  // no spot 99
        {true, kPlaceSecondInput, L"8", L"输入有误"},  // both ends spot 8
        {true, kMeasureInput, L"1.5", L"输入有误"},
        {false, kPlaceFirstInput, L"220", L"景点太近"},  // 40 units above spot 8
        {false, kGradeInput, L"9", L"输入有误"},
        {false, kGradeInput, L"0", L"输入有误"},
        {true, kGradeInput, L"0", L"输入有误"},
        {true, kMeasureInput, L"0", L"输入有误"},
        {true, kMeasureInput, L"99999999999999", L"输入有误"},  // cut to 9999 by its input
    };
    AppProbe a = startAsAdmin();
    const std::string spots = spotsFile(), roads = roadsFile();
    for (const Case& c : cases) {
        SCOPED_TRACE(::consoleText(c.typed));
        if (c.road) editRoad(18);
        else editSpot(7);
        const std::vector<sf::String> stored = shownTexts(editor());
        retype(c.input, c.typed);
        clickButton(editor().confirmButton);
        EXPECT_TRUE(statusShows(c.message, sf::Color::Red));
        const sf::FloatRect shown = a.editor.status.text.getGlobalBounds();
        EXPECT_LE(shown.left + shown.width, 800.f) << "the whole message inside the window";
        EXPECT_FALSE(editor().editing);
        const wchar_t* unit = c.input == kMeasureInput ? (c.road ? L"米" : L"元")
                              : c.input == kGradeInput ? (c.road ? L"千米/时" : L"星")
                                                       : L"";
        EXPECT_EQ(editor().inputs[c.input].text.getString(), stored[c.input] + unit);
    }
    EXPECT_EQ(spotsFile(), spots);
    EXPECT_EQ(roadsFile(), roads);
    EXPECT_EQ(a.map.spots[7].name, L"川味小厨");
}

TEST_F(PropertyEditorWindow, EachInputTakesItsCharactersUpToItsLength) {
    struct Case {
        bool road;
        PropertyInput input;
        std::wstring typed;
        std::wstring kept;
    };
    const Case cases[] = {
        {false, kNameInput, L"一二三四五六", L"一二三四五"},
        {false, kPlaceFirstInput, L"-1a23456", L"-123"},
        {false, kMeasureInput, L"12.5x9", L"12.5"},
        {false, kGradeInput, L"123", L"12"},
        {true, kPlaceSecondInput, L"123", L"12"},
    };
    startAsAdmin();
    for (const Case& c : cases) {
        if (c.road) editRoad(18);
        else editSpot(7);
        retype(c.input, c.typed);
        EXPECT_EQ(editor().inputs[c.input].typedText(), c.kept);
        clickButton(editor().cancelButton);
    }
}

TEST_F(PropertyEditorWindow, TheFocusedInputBlinksWhileEditing) {
    startAsAdmin();
    editSpot(7);
    clickBox(editor().inputs[kGradeInput].box);
    seconds = 2;
    frame();
    app->runFrame();
    EXPECT_EQ(editor().inputs[kGradeInput].content, L"4|");
    seconds = 3;
    app->runFrame();
    EXPECT_EQ(editor().inputs[kGradeInput].content, L"4");
    EXPECT_EQ(editor().inputs[kNameInput].content, L"川味小厨") << "only the focused input";
}

TEST_F(PropertyEditorWindow, WhileEditingAPressOnTheMapChangesNoSelectionAndLogoutDropsTheEdit) {
    AppProbe a = startAsAdmin();
    editSpot(7);
    clickBox(editor().inputs[kTypeInput].box);
    click(spotPixel(8));
    EXPECT_EQ(a.selection.spotNumber, 7);
    EXPECT_EQ(a.properties.name, L"川味小厨");
    EXPECT_FALSE(editor().listOpen) << "the press closes the type list";
    EXPECT_TRUE(editor().editing);

    retype(kNameInput, L"小厨");
    const std::string spots = spotsFile();
    click(buttonPixel(a.backButton));
    ASSERT_EQ(a.frame.screen, kLoginScreen);
    logIn(L"云栖客", L"5820413");
    ASSERT_EQ(a.frame.screen, kAdminScreen);
    EXPECT_FALSE(anythingSelected(a.selection));
    EXPECT_FALSE(editor().editing);
    EXPECT_EQ(spotsFile(), spots);
}

TEST_F(PropertyEditorWindow, DeleteFromThePanelRemovesTheObjectAndBringsThePanelToRest) {
    AppProbe a = startAsAdmin();
    click(spotPixel(3));
    moveMouse(buttonPixel(editor().deleteButton));
    EXPECT_EQ(editor().deleteButton.getFillColor(), sf::Color::Green) << "hover";
    clickButton(editor().deleteButton);
    EXPECT_EQ(a.map.spotCount, 24);
    EXPECT_EQ(a.map.roadCount, 39);
    EXPECT_EQ(narrowToWide(spotsFileRow(3)[1]), L"惠民超市");

    // Nothing of the deleted spot: no number, no outline; the tool buttons.
    EXPECT_TRUE(outlinedSpots().empty() && outlinedRoads().empty());
    EXPECT_EQ(a.panel.title.getString(), L"操作界面");
    EXPECT_EQ(numberPixels(frame()), 0) << "the deleted spot's number";
    clickToggle(a.toolButtons.drawing);
    EXPECT_TRUE(isOpen(a.tools, ToolPanel::Drawing)) << "the tool buttons answer";
    clickToggle(a.toolButtons.drawing);
    click(spotPixel(3));
    EXPECT_EQ(editor().inputs[kNameInput].text.getString(), L"惠民超市");
}

TEST_F(PropertyEditorWindow, AConfirmedEditThatCannotBeSavedIsReportedAndKeptInMemory) {
    AppProbe a = startAsAdmin();
    const std::string spots = spotsFile();
    std::filesystem::create_directory(dir.file(kSpotsFile) + ".tmp");
    editSpot(7);
    retype(kNameInput, L"小厨");
    clickButton(editor().confirmButton);
    EXPECT_TRUE(statusShows(L"保存失败", sf::Color::Red));
    EXPECT_EQ(spotsFile(), spots);
    EXPECT_EQ(a.map.spots[7].name, L"小厨");
}
