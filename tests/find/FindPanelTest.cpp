// The find panel without a window: which spots a text finds, and how the
// keys move the highlight and choose.
#include <gtest/gtest.h>
#include <vector>

#include "find/FindPanel.h"
#include "support/FieldEvents.h"

namespace {

std::vector<int> found(const FoundSpots& spots) { return std::vector<int>(spots.spots, spots.spots + spots.count); }

}  // namespace

TEST(FindSpots, ANameContainingTheTextOrATypeThatIsIt) {
    MapModel map;
    for (const auto& [name, type] : {std::pair{L"湖畔酒店", L"酒店"}, {L"老街面馆", L"美食"}, {L"农商银行", L"银行"},
                                     {L"信用社", L"银行"}, {L"KFC", L"美食"}, {L"银行街超市", L"超市"}}) {
        map.spots[++map.spotCount].name = name;
        map.spots[map.spotCount].type = type;
    }
    const std::pair<const wchar_t*, std::vector<int>> cases[] = {
        {L"银行", {3, 4, 6}},  // by type and by name, in spot order
        {L"美", {}},           // a type is matched whole
        {L" 信用 ", {4}},      // spaces around the text do not count
        {L"kfc", {5}},         // nor the case of Latin letters
        {L"", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& [text, spots] : cases) EXPECT_EQ(found(findSpots(map, text)), spots) << spots.size();
}

TEST(FindPanel, TheHighlightMovesWithinTheMatchesAndTheListFollowsIt) {
    MapModel map;
    for (int n = 1; n <= 20; ++n) map.spots[++map.spotCount].name = L"点" + std::to_wstring(n);
    FindPanel panel;  // no font: its texts measure nothing
    openFindPanel(panel, map);
    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::Up)).choice, FindChoice::None);
    EXPECT_EQ(panel.highlighted, 0);
    for (int i = 0; i < 25; ++i) handleFindKeys(panel, map, keyPressed(sf::Keyboard::Down));
    EXPECT_EQ(panel.highlighted, 19);
    EXPECT_EQ(panel.first, 20 - kFindRows);
    for (int i = 0; i < kFindRows; ++i) handleFindKeys(panel, map, keyPressed(sf::Keyboard::Up));
    EXPECT_EQ(panel.first, 19 - kFindRows);
    const FindAction pick = handleFindKeys(panel, map, keyPressed(sf::Keyboard::Return, false, true));
    EXPECT_TRUE(pick.choice == FindChoice::PickForRoute && pick.spot == 8);

    handleFindKeys(panel, map, typed('1'));  // 1, 10 .. 19, the first highlighted
    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::Return)).spot, 1);
    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::F, true, false)).choice, FindChoice::Close);
    handleFindKeys(panel, map, typed('x'));
    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::Return)).choice, FindChoice::None);
}
