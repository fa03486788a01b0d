#include <gtest/gtest.h>

#include "editor/PropertyValues.h"
#include "support/MapRows.h"

namespace {

struct Expected {
    SelectedKind kind;
    int number;
    const wchar_t* values[kPropertyValueCount];  // type, name, place pair, measure, grade
    const wchar_t* measureUnit;
    const wchar_t* gradeUnit;
};

std::unique_ptr<MapModel> marketAndBank() {
    auto map = emptyMap();
    addSpotRow(*map, L"超市", L"惠民超市", 4, 100, 120, "35.5");
    addSpotRow(*map, L"银行", L"农商银行", 3, 400, 500, "5");
    buildMap(*map);
    return map;
}

}  // namespace

TEST(PropertyValues, LoadedFromTheBuiltObjectInInputOrderWithNumbersAsThePanelWritesThem) {
    auto map = marketAndBank();
    addRoadRow(*map, kOrdinary, L"长街", 1500, 60, 2, 1);
    // Numbers as a hand edit may leave them in a row.
    map->spotTable.rows[0][3] = "0100";
    map->spotTable.rows[0][5] = "35.50";
    map->roadTable.rows[0][3] = "060";
    buildMap(*map);
    const Expected cases[] = {
        {SelectedKind::Spot, 1, {L"超市", L"惠民超市", L"100", L"120", L"35.5", L"4"}, L"元", L"星"},
        {SelectedKind::Road, 1, {L"普通道路", L"长街", L"2", L"1", L"1500", L"60"}, L"米", L"千米/时"},
    };
    for (const Expected& c : cases) {
        PropertyValues v;
        loadPropertyValues(v, *map, c.kind, c.number);
        EXPECT_EQ(v.kind, c.kind);
        EXPECT_EQ(v.number, c.number);
        const sf::String got[] = {v.type, v.name, v.placeFirst, v.placeSecond, v.measure, v.grade};
        for (int i = 0; i < kPropertyValueCount; ++i) EXPECT_EQ(got[i], sf::String(c.values[i])) << i;
        EXPECT_EQ(v.measureUnit, sf::String(c.measureUnit));
        EXPECT_EQ(v.gradeUnit, sf::String(c.gradeUnit));
    }
}

TEST(PropertyValues, FollowTheSelectionOnlyWhenItWasHitAgain) {
    auto map = marketAndBank();
    PropertyValues v;
    Selection selection;
    selection.state = SelectionState::Shown;
    selection.spotNumber = 2;
    ++selection.hits;
    followSelection(v, *map, selection);
    EXPECT_EQ(v.name, L"农商银行");

    // An edit in progress is not overwritten while nothing new is hit.
    v.name = L"改名中";
    followSelection(v, *map, selection);
    EXPECT_EQ(v.name, L"改名中");

    // A number past the rows in use (a deleted spot) keeps the old values.
    selection.spotNumber = 3;
    ++selection.hits;
    followSelection(v, *map, selection);
    EXPECT_EQ(v.number, 2);
}

TEST(PropertyValues, AnEditInProgressIsNotReloaded) {
    auto map = marketAndBank();
    PropertyValues v;
    Selection selection;
    selection.spotNumber = 1;
    ++selection.hits;
    EXPECT_TRUE(followSelection(v, *map, selection));

    // Another spot is hit while the values are edited: they stay.
    selection.spotNumber = 2;
    ++selection.hits;
    EXPECT_FALSE(followSelection(v, *map, selection, true));
    EXPECT_EQ(v.number, 1);
    // Once the edit ends they follow.
    EXPECT_TRUE(followSelection(v, *map, selection, false));
    EXPECT_EQ(v.name, L"农商银行");
}

TEST(PropertyValues, StoredIntoTheFieldsOfTheirRowAsGbkText) {
    auto map = marketAndBank();
    addRoadRow(*map, kOrdinary, L"长街", 1500, 60, 2, 1);
    buildMap(*map);
    PropertyValues spot;
    loadPropertyValues(spot, *map, SelectedKind::Spot, 2);
    spot.type = L"美食";
    spot.placeFirst = L"-40";
    spot.grade = L"5";
    ASSERT_TRUE(storePropertyValues(spot, *map));
    EXPECT_EQ(map->spotTable.rows[1], (TableRow{"\xC3\xC0\xCA\xB3", "\xC5\xA9\xC9\xCC\xD2\xF8\xD0\xD0", "5", "-40",
                                               "500", "5"}));
    PropertyValues road;
    loadPropertyValues(road, *map, SelectedKind::Road, 1);
    road.placeFirst = L"1";
    road.placeSecond = L"2";
    road.measure = L"900";
    ASSERT_TRUE(storePropertyValues(road, *map));
    EXPECT_EQ(map->roadTable.rows[0][2], "900");
    EXPECT_EQ(map->roadTable.rows[0][4], "1");
    EXPECT_EQ(map->roadTable.rows[0][5], "2");

    // A number that names no row in use writes nothing.
    road.number = 2;
    EXPECT_FALSE(storePropertyValues(road, *map));
    EXPECT_EQ(map->roadTable.rows[1], TableRow{});
}
