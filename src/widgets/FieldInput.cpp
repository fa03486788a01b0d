#include "widgets/FieldInput.h"

FieldInput fieldInput(const sf::Event& event) {
    if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Backspace) return FieldInput::Erase;
    if (event.type != sf::Event::TextEntered) return FieldInput::None;
    const sf::Uint32 code = event.text.unicode;
    // Control characters come with keys such as Tab, Return, BackSpace or
    // Ctrl+Z: they are strokes, not text.
    if (code < 0x20 || code == 0x7F) return FieldInput::None;
    return FieldInput::Type;
}

bool characterFits(const sf::String& content, unsigned maxLength, sf::Uint32 code, sf::Uint32 lowest,
                   sf::Uint32 highest) {
    return content.getSize() <= maxLength && code >= lowest && code <= highest;
}

bool focusByClick(sf::RectangleShape& box, sf::Vector2f point) {
    const bool inside = box.getGlobalBounds().contains(point);
    box.setOutlineThickness(inside ? kFocusOutline : 0.f);
    return inside;
}
