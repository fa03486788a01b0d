#pragma once
// The in-memory image of a map file: one row of narrow (GBK) fields per
// line, row i describing spot or road number i + 1.
#include <array>
#include <string>

#include "map/RowFields.h"

constexpr int kTableRows = 100;
// Slot 0 of the object arrays is never used, so at most 99 rows are loaded.
constexpr int kMaxMapObjects = kTableRows - 1;

using TableRow = std::array<std::string, kFieldsPerRow>;

struct TextTable {
    std::array<TableRow, kTableRows> rows;
    int count = 0;
};
