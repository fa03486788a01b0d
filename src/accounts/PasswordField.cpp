#include "accounts/PasswordField.h"

#include "accounts/TextField.h"

void PasswordField::refreshDisplay() {
    display.clear();
    if (showPlain) display = content;
    else
        for (std::size_t i = 0; i < content.getSize(); ++i) display += sf::Uint32('*');
    text.setFillColor(sf::Color::Black);
    text.setString(display);
}

void PasswordField::setShowPlain(bool plain) {
    showPlain = plain;
    if (!content.isEmpty()) refreshDisplay();
}

void PasswordField::showPlaceholder() {
    text.setFillColor(kPlaceholderGrey);
    text.setString(placeholder);
}

void PasswordField::reset() {
    content.clear();
    display.clear();
    showPlaceholder();
}

void PasswordField::handleEvent(const sf::Event& event) {
    if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Backspace) {
        if (content.isEmpty()) return;
        content.erase(content.getSize() - 1);
        refreshDisplay();
        return;
    }
    if (event.type == sf::Event::TextEntered) {
        const sf::Uint32 code = event.text.unicode;
        if (content.getSize() > maxLength) return;
        if (code >= 128 || code == '\t' || code == '\r' || code == kBackSpaceCharacter) return;
        content += code;
        refreshDisplay();
    }
}

void PasswordField::handleClick(sf::Vector2f point) {
    if (box.getGlobalBounds().contains(point)) {
        focused = true;
        box.setOutlineThickness(5);
        refreshDisplay();
        return;
    }
    focused = false;
    if (content.isEmpty()) showPlaceholder();
    box.setOutlineThickness(0);
}
