#include "widgets/FittedText.h"

void setFittedString(sf::Text& text, const sf::String& string, unsigned size, unsigned smallest, float right) {
    text.setString(string);
    text.setCharacterSize(size);
    while (size > smallest) {
        const sf::FloatRect bounds = text.getGlobalBounds();
        if (bounds.left + bounds.width <= right) break;
        text.setCharacterSize(--size);
    }
}
