#pragma once
// Builds small maps for tests from text-table rows, as the map files would.
#include <memory>
#include <string>

#include "map/MapModel.h"

// A MapModel on the heap: it holds two tables and two arrays of 100 shapes.
std::unique_ptr<MapModel> emptyMap();

// Appends a spot row (type, name, rating, x, y, cost); returns its number.
int addSpotRow(MapModel& map, const std::wstring& type, const std::wstring& name, int rating, int x, int y,
               const std::string& cost);

// Appends a road row (type, name, length, limit, end, start); returns its number.
int addRoadRow(MapModel& map, const std::wstring& type, const std::wstring& name, int length, int limit,
               int endSpot, int startSpot);

// Builds every spot (without pictures) and every road from the rows.
void buildMap(MapModel& map);

extern const wchar_t* const kHighway;   // 高速公路
extern const wchar_t* const kOrdinary;  // 普通道路
