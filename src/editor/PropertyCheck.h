#pragma once
// Whether confirmed property values can be stored in a map file and read
// back as they were meant: names without white space and in GBK, numbers
// where the file holds numbers, road ends that name two existing spots.
#include <SFML/System/String.hpp>
#include <array>

#include "editor/PropertyValues.h"

enum class PropertyProblem {
    None,
    Empty,            // "输入为空"
    NameWhiteSpace,   // "名称不能含空格"
    NameNotStorable,  // "名称含有无法保存的字符"
    Malformed,        // "输入有误"
};

// The six typed values in input order: type, name, the place pair, the
// measure and the grade. For a spot x and y are whole numbers (a leading
// minus allowed), the cost a number of at least 0 and the rating a whole
// number of at least 0; for a road the two ends name different spots among
// 1 .. spotCount, the length and the speed limit are whole numbers of at
// least 0. Whole numbers lie within the int range and the cost within the
// float range, so the file reads back what was typed. The first problem
// found is returned, in the order of the enum.
PropertyProblem checkPropertyValues(SelectedKind kind, const std::array<sf::String, kPropertyValueCount>& values,
                                    int spotCount);

// The message shown for a problem (red); empty for None.
const wchar_t* problemMessage(PropertyProblem problem);
