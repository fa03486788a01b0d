// The drawing mode's row edits: new spots with their distance and capacity
// checks, new roads, and deletions with the renumbering of the roads.
#include <gtest/gtest.h>

#include "base/TextConvert.h"
#include "editor/MapEdits.h"
#include "support/MapRows.h"

namespace {

TableRow row(const std::wstring& type, const std::wstring& name, const char* a, const char* b, const char* c,
             const char* d) {
    return {wideToNarrow(type), wideToNarrow(name), a, b, c, d};
}

// Spots 1 .. count at x 0, 100, 200, ..., so each centre stands 100 from the next.
std::unique_ptr<MapModel> spotsInARow(int count) {
    auto map = emptyMap();
    for (int i = 0; i < count; ++i) addSpotRow(*map, L"银行", L"银行" + std::to_wstring(i + 1), 3, 100 * i, 0, "5");
    return map;
}

// The (end, start) pairs of the road rows in use.
std::vector<std::pair<int, int>> roadEnds(const TextTable& roads) {
    std::vector<std::pair<int, int>> ends;
    for (int i = 0; i < roads.count; ++i) ends.emplace_back(parseInt(roads.rows[i][4]), parseInt(roads.rows[i][5]));
    return ends;
}

}  // namespace

TEST(MapEdits, ANewSpotIsAHotelCentredOnTheClickTruncatedTowardZero) {
    struct Case {
        sf::Vector2f click;
        const char* x;
        const char* y;
    };
    const Case cases[] = {{{250.7f, 99.2f}, "220", "69"}, {{10.5f, 5.f}, "-19", "-25"}, {{-60.9f, 30.f}, "-90", "0"}};
    for (const Case& c : cases) {
        TextTable spots;
        EXPECT_EQ(appendSpotRow(spots, c.click), PlaceOutcome::Placed);
        ASSERT_EQ(spots.count, 1);
        EXPECT_EQ(spots.rows[0], row(L"酒店", L"新建景点", "1", c.x, c.y, "1000")) << c.click.x;
    }
}

TEST(MapEdits, ASpotCloserThanSeventyToASpotInUseIsRefused) {
    struct Case {
        float clickX;
        PlaceOutcome outcome;
    };
    // The spot at x 0 has its centre at (30, 30).
    const Case cases[] = {{100.f, PlaceOutcome::Placed}, {99.99f, PlaceOutcome::TooClose},
                          {-40.f, PlaceOutcome::Placed}, {30.f, PlaceOutcome::TooClose}};
    for (const Case& c : cases) {
        auto map = spotsInARow(1);
        EXPECT_EQ(appendSpotRow(map->spotTable, {c.clickX, 30.f}), c.outcome) << c.clickX;
        EXPECT_EQ(map->spotTable.count, c.outcome == PlaceOutcome::Placed ? 2 : 1);
    }
}

TEST(MapEdits, SpotsAtTheEdgeOfTheIntegerRangeAreMeasuredWithoutOverflow) {
    // A hand-edited file may hold any int; its centre lies 30 beyond it.
    auto map = emptyMap();
    addSpotRow(*map, L"银行", L"远处", 3, 2147483647, -2147483647 - 1, "5");
    EXPECT_EQ(appendSpotRow(map->spotTable, {2147483647.f + 30.f, -2147483648.f + 30.f}), PlaceOutcome::TooClose);
    EXPECT_EQ(appendSpotRow(map->spotTable, {30.f, 30.f}), PlaceOutcome::Placed);
}

TEST(MapEdits, RowsBeyondTheCountDoNotStandInTheWay) {
    // A deleted spot's stale row, and the empty rows of an empty map whose
    // x and y read as 0, 0: neither refuses a spot near it.
    auto map = spotsInARow(2);
    map->spotTable.count = 1;
    EXPECT_EQ(appendSpotRow(map->spotTable, {130.f, 30.f}), PlaceOutcome::Placed);
    TextTable empty;
    EXPECT_EQ(appendSpotRow(empty, {30.f, 30.f}), PlaceOutcome::Placed);
}

TEST(MapEdits, FullTablesRefuseANewSpotOrRoadAndStayAsTheyWere) {
    auto map = spotsInARow(kMaxMapObjects);
    const TextTable before = map->spotTable;
    EXPECT_EQ(appendSpotRow(map->spotTable, {50000.f, 50000.f}), PlaceOutcome::Full);
    EXPECT_EQ(map->spotTable.count, kMaxMapObjects);
    EXPECT_EQ(map->spotTable.rows, before.rows);

    TextTable roads;
    for (int i = 0; i < kMaxMapObjects - 1; ++i) ASSERT_TRUE(appendRoadRow(roads, 2, 1));
    EXPECT_TRUE(appendRoadRow(roads, 3, 2));
    EXPECT_FALSE(appendRoadRow(roads, 4, 3));
    EXPECT_EQ(roads.count, kMaxMapObjects);
    EXPECT_EQ(roads.rows[kMaxMapObjects], TableRow{});
}

TEST(MapEdits, ANewRoadIsAnOrdinaryRoadFromTheFirstSpotPickedToTheSecond) {
    TextTable roads;
    ASSERT_TRUE(appendRoadRow(roads, 7, 3));
    EXPECT_EQ(roads.count, 1);
    EXPECT_EQ(roads.rows[0], row(kOrdinary, L"新建路线", "1000", "1", "7", "3"));
}

TEST(MapEdits, DeletingASpotRemovesEveryRoadTouchingItAndRenumbersTheRest) {
    auto map = spotsInARow(5);
    addRoadRow(*map, kOrdinary, L"一", 100, 40, 2, 1);
    addRoadRow(*map, kOrdinary, L"二", 100, 40, 3, 2);  // two roads of spot 3 in consecutive rows
    addRoadRow(*map, kOrdinary, L"三", 100, 40, 4, 3);
    addRoadRow(*map, kHighway, L"四", 100, 40, 5, 4);
    addRoadRow(*map, kOrdinary, L"五", 100, 40, 3, 5);
    addRoadRow(*map, kOrdinary, L"六", 100, 40, 1, 5);

    deleteSpotRows(map->spotTable, map->roadTable, 3);

    EXPECT_EQ(map->spotTable.count, 4);
    const std::wstring names[] = {L"银行1", L"银行2", L"银行4", L"银行5"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(narrowToWide(map->spotTable.rows[i][1]), names[i]);
    EXPECT_EQ(roadEnds(map->roadTable), (std::vector<std::pair<int, int>>{{2, 1}, {4, 3}, {1, 4}}));
    EXPECT_EQ(narrowToWide(map->roadTable.rows[1][1]), L"四");
    EXPECT_EQ(map->roadTable.rows[2][2], "100");  // the other fields move with their row
}

TEST(MapEdits, DeletingTheOnlySpotLeavesNoSpotAndNoRoadOfIt) {
    auto map = spotsInARow(1);
    addRoadRow(*map, kOrdinary, L"环", 100, 40, 1, 1);
    deleteSpotRows(map->spotTable, map->roadTable, 1);
    EXPECT_EQ(map->spotTable.count, 0);
    EXPECT_EQ(map->roadTable.count, 0);
}

TEST(MapEdits, DeletingARoadMovesTheLaterRowsUpAndNumbersOutOfRangeChangeNothing) {
    auto map = spotsInARow(3);
    addRoadRow(*map, kOrdinary, L"一", 100, 40, 2, 1);
    addRoadRow(*map, kOrdinary, L"二", 100, 40, 3, 2);
    addRoadRow(*map, kOrdinary, L"三", 100, 40, 1, 3);
    deleteRoadRow(map->roadTable, 2);
    EXPECT_EQ(roadEnds(map->roadTable), (std::vector<std::pair<int, int>>{{2, 1}, {1, 3}}));

    const MapModel& before = *map;
    const TextTable spots = before.spotTable, roads = before.roadTable;
    for (int n : {0, 4, -1}) deleteSpotRows(map->spotTable, map->roadTable, n);
    for (int n : {0, 3}) deleteRoadRow(map->roadTable, n);
    EXPECT_EQ(map->spotTable.rows, spots.rows);
    EXPECT_EQ(map->roadTable.rows, roads.rows);
    EXPECT_EQ(map->roadTable.count, 2);
}
