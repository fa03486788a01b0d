#pragma once
// The login screen's password box: no caret, and the text shows either the
// password itself or one "*" per character.
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/String.hpp>
#include <SFML/Window/Event.hpp>

#include "widgets/FieldInput.h"

struct PasswordField {
    sf::RectangleShape box;  // its global bounds are the click area
    sf::Text text;
    sf::String content;
    sf::String display;  // what the text shows of the content, rebuilt on every change
    sf::String placeholder = L"输入密码";
    bool focused = false;
    bool showPlain = false;
    // Limits as a TextField's: the owner sets them, by default there are none.
    unsigned maxLength = kNoLengthLimit;
    sf::Uint32 lowest = 0;
    sf::Uint32 highest = kHighestCode;

    // BackSpace key presses and typed text within the limits.
    void handleEvent(const sf::Event& event);
    // Focus test for a mouse press at a point already mapped through the
    // view the field is drawn in.
    void handleClick(sf::Vector2f point);
    // What a click outside does: unfocused, outline 0, the placeholder when
    // nothing was typed.
    void loseFocus();

    // Rebuilds the display from the content and shows it in black.
    void refreshDisplay();
    // Switches between plain and masked display; an empty field keeps its
    // placeholder.
    void setShowPlain(bool plain);
    void showPlaceholder();
    // Empties the content and shows the placeholder; the focus is kept.
    void reset();
};
