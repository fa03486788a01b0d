#include "widgets/TextButton.h"

namespace {

TextButton makeButton(const sf::Font& font, const sf::String& label, unsigned size, sf::Vector2f origin) {
    TextButton button(label, font, size);
    button.setOrigin(origin);
    button.setFillColor(sf::Color::Yellow);
    button.setOutlineColor(sf::Color::Blue);
    button.setOutlineThickness(5.f);
    return button;
}

}  // namespace

TextButton makeLargeButton(const sf::Font& font, const sf::String& label) {
    return makeButton(font, label, 50, sf::Vector2f(50.f, 50.f));
}

TextButton makeToolButton(const sf::Font& font, const sf::String& label) {
    return makeButton(font, label, 40, sf::Vector2f(65.f, 30.f));
}

TextButton copyButton(const TextButton& model, const sf::String& label, sf::Vector2f position) {
    TextButton button(model);
    button.setString(label);
    button.setPosition(position);
    return button;
}

bool applyHover(TextButton& button, sf::Vector2f point) {
    const bool over = buttonHit(button, point);
    button.setFillColor(over ? sf::Color::Green : sf::Color::Yellow);
    button.setScale(over ? 1.1f : 1.f, over ? 1.1f : 1.f);
    return over;
}

bool buttonHit(const TextButton& button, sf::Vector2f point) {
    // sf::Rect::contains takes the edges as [left, right) and [top, bottom).
    return button.getGlobalBounds().contains(point);
}
