#pragma once
// What differs between the property panel of a spot and that of a road:
// the labels, the type list's box and options, the place inputs' places,
// sizes and lengths. Shared by the panel's drawing and its editing.
#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>
#include <array>

#include "map/Selection.h"
#include "widgets/TextField.h"

// The numeric inputs accept "-" (45) to "9" (57): "-", ".", "/" and digits.
constexpr sf::Uint32 kLowestNumberCharacter = '-';
constexpr sf::Uint32 kHighestNumberCharacter = '9';

struct PropertyLayout {
    std::array<const wchar_t*, 5> labels;
    sf::Vector2f typeBox;  // also the size of each option's box
    std::array<const wchar_t*, 4> typeOptions;
    int lastOption;
    sf::Vector2f placeFirst;
    sf::Vector2f placeSecond;
    sf::Vector2f placeBox;
    unsigned placeMaxLength;  // a spot's x and y take 4 characters, a road's ends 2
};

const PropertyLayout& propertyLayout(SelectedKind kind);

// Puts content into a field as stored text: unfocused, no caret, box
// outline 0, shown in black.
void setFieldContent(TextField& field, const sf::String& content);
