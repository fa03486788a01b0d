#pragma once
// A box the user types into. The blinking caret is the character "|"
// appended to the content itself while it is shown, so every operation that
// looks at the last character first accounts for it.
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/String.hpp>
#include <SFML/Window/Event.hpp>

#include "widgets/FieldInput.h"

const sf::Uint32 kCaretCharacter = '|';
const sf::Color kPlaceholderGrey(150, 150, 150, 255);

struct TextField {
    sf::RectangleShape box;  // its global bounds are the click area
    sf::Text text;           // the content (with caret when shown) or the placeholder
    sf::String content;
    sf::String placeholder;
    bool focused = false;
    bool caretHidden = true;
    // While the caret is shown: the caret the blink appended is still the
    // last character.
    bool caretAtEnd = true;
    // A character is appended only while the content has at most maxLength
    // characters (so the content reaches maxLength + 1) and its code lies in
    // lowest .. highest. The owner sets the limits; by default there are none.
    unsigned maxLength = kNoLengthLimit;
    sf::Uint32 lowest = 0;
    sf::Uint32 highest = kHighestCode;
    // A character of the accepted codes was refused for want of room since
    // the content was last set or erased: the content is not all that was
    // typed.
    bool cutShort = false;
    // Focused by takeFocus and neither typed into nor clicked since.
    bool caretWaits = false;

    // Caret on in even seconds, off in odd ones; called every frame while
    // focused with the whole seconds of the program's clock.
    void blink(int seconds);
    // BackSpace key presses and typed text; everything else is ignored.
    void handleEvent(const sf::Event& event);
    // Focus test for a mouse press at a point already mapped through the
    // view the field is drawn in.
    void handleClick(sf::Vector2f point);
    // What a click outside does: unfocused, caret removed, outline 0, the
    // placeholder in grey when nothing was typed. Also used when keys move
    // the focus elsewhere.
    void loseFocus();
    // Gives the field the focus without a click: the outline shows it, and
    // the placeholder stays, with no caret, until a key or a click.
    void takeFocus();

    void showContent();      // black text showing the content
    void showPlaceholder();  // grey text showing the placeholder
    // Empties the content and shows the placeholder; the focus is kept.
    void reset();
    // The content without the blink's caret: what the user typed.
    sf::String typedText() const;

private:
    bool endsWithBlinkCaret() const;
    void removeLast();
};
