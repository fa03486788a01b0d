#pragma once
// Whether confirmed property values can be stored in a map file and read
// back as they were meant: names without white space and in GBK, numbers
// where the file holds numbers, within the bounds the map keeps, road ends
// that name two existing spots, a spot no nearer another than placement
// allows.
#include <SFML/System/String.hpp>
#include <array>

#include "editor/PropertyValues.h"
#include "map/TextTable.h"

enum class PropertyProblem {
    None,
    Empty,            // "输入为空"
    NameWhiteSpace,   // "名称不能含空格"
    NameNotStorable,  // "名称含有无法保存的字符"
    Malformed,        // "输入有误"
    TooClose,         // "景点太近"
};

// What typed values are checked against.
struct PropertyContext {
    const TextTable& spots;  // the spots in use
    int editedSpot = 0;      // the spot edited, which keeps no distance from itself; 0 for a road
    bool numberCut = false;  // a number input refused a typed character for want of room
};

// The six typed values in input order: type, name, the place pair, the
// measure and the grade. For a spot x and y are whole numbers (a leading
// minus allowed), the cost a number of at least 0 and the rating a whole
// number from 1 to 5; for a road the two ends name different spots in use,
// the length and the speed limit are whole numbers of at least 1. Whole
// numbers lie within the int range and the cost within the float range, so
// the file reads back what was typed; a number cut short by its input is
// malformed too. A spot's centre keeps kMinSpotDistance from every other
// spot's. The first problem found is returned, in the order of the enum.
PropertyProblem checkPropertyValues(SelectedKind kind, const std::array<sf::String, kPropertyValueCount>& values,
                                    const PropertyContext& context);

// The message shown for a problem (red); empty for None.
const wchar_t* problemMessage(PropertyProblem problem);
