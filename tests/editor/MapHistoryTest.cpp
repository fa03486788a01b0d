// The steps of undo and redo: both tables restored exactly, in reverse
// order, a new change dropping the steps undone, at least 100 kept.
#include <gtest/gtest.h>

#include <string>

#include "editor/MapHistory.h"

namespace {

// The map after change n: one spot named n and one road.
MapTables tablesAfter(int n) {
    MapTables tables;
    tables.spots.rows[0] = {"a", std::to_string(n), "1", "0", "0", "1"};
    tables.spots.count = 1;
    tables.roads.rows[0] = {"b", "r", "1", "1", "1", "1"};
    tables.roads.count = 1;
    return tables;
}

bool same(const MapTables& a, const MapTables& b) {
    return a.spots.count == b.spots.count && a.spots.rows == b.spots.rows && a.roads.count == b.roads.count &&
           a.roads.rows == b.roads.rows;
}

bool undo(MapHistory& history, MapTables& map) { return undoMapChange(history, map.spots, map.roads); }
bool redo(MapHistory& history, MapTables& map) { return redoMapChange(history, map.spots, map.roads); }

// Starts at change 0 and makes changes 1 .. last.
void makeChanges(MapHistory& history, MapTables& map, int last) {
    map = tablesAfter(0);
    startMapHistory(history, map.spots, map.roads);
    for (int n = 1; n <= last; ++n) {
        map = tablesAfter(n);
        ASSERT_TRUE(recordMapChange(history, map.spots, map.roads)) << n;
    }
}

}  // namespace

TEST(MapHistory, StepsGoBackAndForthAndANewChangeDropsTheStepsUndone) {
    MapHistory history;
    MapTables map;
    makeChanges(history, map, 3);
    EXPECT_FALSE(recordMapChange(history, map.spots, map.roads)) << "nothing changed";
    for (int n = 2; n >= 0; --n) {
        ASSERT_TRUE(undo(history, map));
        EXPECT_TRUE(same(map, tablesAfter(n))) << n;
    }
    EXPECT_FALSE(undo(history, map));
    EXPECT_TRUE(same(map, tablesAfter(0)));
    ASSERT_TRUE(redo(history, map));
    EXPECT_TRUE(same(map, tablesAfter(1)));

    map = tablesAfter(7);
    recordMapChange(history, map.spots, map.roads);
    EXPECT_FALSE(redo(history, map));
    EXPECT_TRUE(same(map, tablesAfter(7)));
    ASSERT_TRUE(undo(history, map));
    EXPECT_TRUE(same(map, tablesAfter(1)));
}

TEST(MapHistory, TheLatestHundredChangesCanBeUndone) {
    MapHistory history;
    MapTables map;
    makeChanges(history, map, 105);
    int undone = 0;
    while (undo(history, map)) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_TRUE(same(map, tablesAfter(5)));
}
