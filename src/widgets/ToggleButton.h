#pragma once
// A switch of the side panel: a 190 x 70 rectangle, green while its state is
// on and red while off, with a tool-family label centred on it. The
// rectangle is the click area.
#include <SFML/Graphics.hpp>

#include "widgets/TextButton.h"

struct ToggleButton {
    sf::RectangleShape rect;
    TextButton label;
};

// The rectangle's top-left corner at rectPosition, the label centred on it.
ToggleButton makeToggleButton(const sf::Font& font, const sf::String& text, sf::Vector2f rectPosition);

// Moves the rectangle's top-left corner and the label with it.
void placeToggleButton(ToggleButton& button, sf::Vector2f rectPosition);

bool toggleHit(const ToggleButton& button, sf::Vector2f point);

// The rectangle in green (on) or red (off), then the label.
void drawToggleButton(sf::RenderTarget& target, const ToggleButton& button, bool on);
