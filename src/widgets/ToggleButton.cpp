#include "widgets/ToggleButton.h"

ToggleButton makeToggleButton(const sf::Font& font, const sf::String& text, sf::Vector2f rectPosition) {
    ToggleButton button;
    button.rect.setSize(sf::Vector2f(190.f, 70.f));
    button.rect.setOutlineColor(sf::Color::Cyan);
    button.rect.setOutlineThickness(5.f);
    button.label = makeToolButton(font, text);
    placeToggleButton(button, rectPosition);
    return button;
}

void placeToggleButton(ToggleButton& button, sf::Vector2f rectPosition) {
    button.rect.setPosition(rectPosition);
    // The label's origin (65, 30) centres it in the rectangle.
    button.label.setPosition(rectPosition + sf::Vector2f(80.f, 35.f));
}

bool toggleHit(const ToggleButton& button, sf::Vector2f point) { return button.rect.getGlobalBounds().contains(point); }

void drawToggleButton(sf::RenderTarget& target, const ToggleButton& button, bool on) {
    sf::RectangleShape rect = button.rect;
    rect.setFillColor(on ? sf::Color::Green : sf::Color::Red);
    target.draw(rect);
    target.draw(button.label);
}
