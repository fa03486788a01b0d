#pragma once
// A button is a text whose glyph bounds are the clickable area. Under the
// pointer it turns green and grows by a tenth; elsewhere it is yellow at its
// normal size. Both families share a yellow fill and a blue outline of 5.
#include <SFML/Graphics.hpp>

using TextButton = sf::Text;

// Character size 50, origin (50, 50): login, editor, back and music buttons.
TextButton makeLargeButton(const sf::Font& font, const sf::String& label);

// Character size 40, origin (65, 30): tool, table and settings buttons.
TextButton makeToolButton(const sf::Font& font, const sf::String& label);

// A copy of a template at another place with another label.
TextButton copyButton(const TextButton& model, const sf::String& label, sf::Vector2f position);

// Restyles the button for a pointer at point (in the button's view); returns
// whether the pointer is over it.
bool applyHover(TextButton& button, sf::Vector2f point);

// Whether a click at point (in the button's view) hits it at its current
// scale, so a hovered button is clicked at its enlarged size.
bool buttonHit(const TextButton& button, sf::Vector2f point);
