// The find panel without a window: which spots a text finds, and how the
// keys move the highlight and choose.
#include <gtest/gtest.h>
#include <vector>

#include "find/FindPanel.h"
#include "support/FieldEvents.h"

namespace {

MapModel mapOf(std::vector<std::pair<const wchar_t*, const wchar_t*>> spots) {
    MapModel map;
    for (const auto& [name, type] : spots) {
        Spot& spot = map.spots[++map.spotCount];
        spot.name = name;
        spot.type = type;
    }
    return map;
}

std::vector<int> found(const MapModel& map, const wchar_t* text) {
    const FoundSpots spots = findSpots(map, text);
    return std::vector<int>(spots.spots, spots.spots + spots.count);
}

sf::Event withModifiers(sf::Keyboard::Key key, bool control, bool shift) {
    sf::Event event = keyPressed(key);
    event.key.control = control;
    event.key.shift = shift;
    return event;
}

}  // namespace

TEST(FindSpots, ANameContainingTheTextOrATypeThatIsIt) {
    const MapModel map = mapOf({{L"湖畔酒店", L"酒店"}, {L"老街面馆", L"美食"}, {L"农商银行", L"银行"},
                                {L"信用社", L"银行"}, {L"KFC", L"美食"}, {L"银行街超市", L"超市"}});
    const struct {
        const wchar_t* text;
        std::vector<int> spots;
    } cases[] = {
        {L"银行", {3, 4, 6}},  // by type and by name, in spot order
        {L"面馆", {2}},
        {L"美", {}},           // a type is matched whole
        {L" 信用 ", {4}},      // spaces around the text do not count
        {L"kfc", {5}},         // nor the case of Latin letters
        {L"火锅", {}},
        {L"", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& c : cases) EXPECT_EQ(found(map, c.text), c.spots) << sf::String(c.text).toAnsiString();
}

TEST(FindPanel, TheHighlightMovesWithinTheMatchesAndTheListFollowsIt) {
    MapModel map;
    for (int n = 1; n <= 20; ++n) map.spots[++map.spotCount].name = L"点" + std::to_wstring(n);
    FindPanel panel;  // no font: its texts measure nothing
    openFindPanel(panel, map);
    ASSERT_EQ(panel.found.count, 20);

    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::Up)).choice, FindChoice::None);
    EXPECT_EQ(panel.highlighted, 0);
    for (int i = 0; i < 25; ++i) handleFindKeys(panel, map, keyPressed(sf::Keyboard::Down));
    EXPECT_EQ(panel.highlighted, 19);
    EXPECT_EQ(panel.first, 20 - kFindRows);
    for (int i = 0; i < kFindRows; ++i) handleFindKeys(panel, map, keyPressed(sf::Keyboard::Up));
    EXPECT_EQ(panel.first, 19 - kFindRows);

    const FindAction pick = handleFindKeys(panel, map, withModifiers(sf::Keyboard::Return, false, true));
    EXPECT_EQ(pick.choice, FindChoice::PickForRoute);
    EXPECT_EQ(pick.spot, 8);
    // A typed text lists its matches from the first, highlighted.
    handleFindKeys(panel, map, typed('1'));
    EXPECT_EQ(panel.found.count, 11);  // 1, 10 .. 19
    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::Return)).spot, 1);
    EXPECT_EQ(handleFindKeys(panel, map, withModifiers(sf::Keyboard::F, true, false)).choice, FindChoice::Close);
    handleFindKeys(panel, map, typed('x'));
    EXPECT_EQ(handleFindKeys(panel, map, keyPressed(sf::Keyboard::Return)).choice, FindChoice::None);
}
