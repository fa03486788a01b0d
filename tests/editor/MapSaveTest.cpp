// Saving edited tables: a table whose save failed is written with the next
// save, so the two files never stay out of step.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/AtomicFile.h"
#include "editor/MapSave.h"
#include "map/MapFiles.h"
#include "support/MapRows.h"
#include "support/TempDir.h"

TEST(MapSave, OnlyTheOwedTablesAreWrittenAndAFailedOneStaysOwed) {
    TempDir dir;
    const MapFilePaths paths{dir.file("cross.txt"), dir.file("route.txt")};
    writeBytes(paths.spots, "old spots");
    writeBytes(paths.roads, "old roads");
    auto map = emptyMap();
    addSpotRow(*map, L"酒店", L"甲", 1, 0, 0, "10");
    addSpotRow(*map, L"银行", L"乙", 2, 100, 0, "5");
    addRoadRow(*map, kOrdinary, L"路", 100, 40, 2, 1);
    const std::string roadsText = mapFileText(map->roadTable);

    UnsavedTables unsaved{false, true};
    EXPECT_TRUE(saveMapTables(*map, paths, unsaved));
    EXPECT_EQ(readBytes(paths.spots), "old spots");
    EXPECT_EQ(readBytes(paths.roads), roadsText);
    EXPECT_FALSE(unsaved.roads);

    // A spot deletion whose roads file cannot be written: neither file
    // changes and both stay owed.
    std::filesystem::create_directory(paths.roads + ".tmp");
    map->spotTable.count = 1;
    map->roadTable.count = 0;
    unsaved = UnsavedTables{true, true};
    EXPECT_FALSE(saveMapTables(*map, paths, unsaved));
    EXPECT_EQ(readBytes(paths.spots), "old spots");
    EXPECT_EQ(readBytes(paths.roads), roadsText);
    EXPECT_TRUE(unsaved.spots && unsaved.roads);

    // The next save, of a spot edit alone, brings the roads file along.
    std::filesystem::remove(paths.roads + ".tmp");
    unsaved.spots = true;
    EXPECT_TRUE(saveMapTables(*map, paths, unsaved));
    EXPECT_EQ(readBytes(paths.spots), mapFileText(map->spotTable));
    EXPECT_EQ(readBytes(paths.roads), "");
    EXPECT_FALSE(unsaved.spots || unsaved.roads);
}

TEST(MapSave, ASaveOfOneFileFirstUndoesWhatAFailedSaveOfBothLeft) {
    TempDir dir;
    const MapFilePaths paths{dir.file("cross.txt"), dir.file("route.txt")};
    // A deletion whose roads rename failed and whose undoing was cut short:
    // the spots file is the deletion's, its roll-back copy still beside it.
    writeBytes(paths.spots, "deleted spots");
    writeBytes(rollBackCopyOf(paths.spots), "old spots");
    writeBytes(paths.roads, "old roads");
    writeBytes(temporaryPathOf(paths.roads), "deleted roads");
    auto map = emptyMap();
    addSpotRow(*map, L"酒店", L"甲", 1, 0, 0, "10");

    UnsavedTables unsaved{false, true};
    EXPECT_TRUE(saveMapTables(*map, paths, unsaved));
    EXPECT_EQ(readBytes(paths.spots), "old spots");
    EXPECT_EQ(readBytes(paths.roads), mapFileText(map->roadTable));
    EXPECT_FALSE(fileExists(rollBackCopyOf(paths.spots)));
}
