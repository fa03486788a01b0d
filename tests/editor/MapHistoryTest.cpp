// The steps of undo and redo: the latest 100 changes go back and forth, and
// a new change drops the steps undone.
#include <gtest/gtest.h>

#include <string>

#include "editor/MapHistory.h"

TEST(MapHistory, TheLatestHundredChangesGoBackAndForthAndANewChangeDropsTheRedoSteps) {
    MapHistory history;
    MapTables map;
    map.spots.count = 1;
    auto change = [&](const std::string& name) {
        map.spots.rows[0][1] = name;
        return recordMapChange(history, map.spots, map.roads);
    };
    startMapHistory(history, map.spots, map.roads);
    for (int n = 1; n <= 105; ++n) ASSERT_TRUE(change(std::to_string(n)));
    EXPECT_FALSE(change("105")) << "nothing changed";

    int undone = 0;
    while (undoMapChange(history, map.spots, map.roads)) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(map.spots.rows[0][1], "5");
    ASSERT_TRUE(redoMapChange(history, map.spots, map.roads));
    EXPECT_EQ(map.spots.rows[0][1], "6");
    change("new");
    EXPECT_FALSE(redoMapChange(history, map.spots, map.roads));
    ASSERT_TRUE(undoMapChange(history, map.spots, map.roads));
    EXPECT_EQ(map.spots.rows[0][1], "6");
}
