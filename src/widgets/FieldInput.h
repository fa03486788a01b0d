#pragma once
// What a window event asks of a text field, and the checks every field
// applies to a typed character. Shared by the plain and the password field.
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/System/String.hpp>
#include <SFML/Window/Event.hpp>

// The character the window reports for a BackSpace stroke; the key press
// handles it, so it is never typed into a field.
const sf::Uint32 kBackSpaceCharacter = 8;

enum class FieldInput {
    None,   // not for the field
    Erase,  // a BackSpace key press
    Type,   // a typed character other than a control character (Tab, Return, Ctrl+Z ...)
};

FieldInput fieldInput(const sf::Event& event);

// The limits of a field that its owner leaves unset.
constexpr unsigned kNoLengthLimit = 0xFFFFFFFF;
constexpr sf::Uint32 kHighestCode = 0xFFFFFFFF;

// A character is appended only while the content has at most maxLength
// characters and its code lies in lowest .. highest.
bool characterFits(const sf::String& content, unsigned maxLength, sf::Uint32 code, sf::Uint32 lowest,
                   sf::Uint32 highest);

// The box's outline while the field has the focus.
constexpr float kFocusOutline = 5.f;

// The focus test of a press at a point mapped through the field's view:
// inside, the box gets the focus outline and true is returned; outside, the
// outline goes and false is returned.
bool focusByClick(sf::RectangleShape& box, sf::Vector2f point);
