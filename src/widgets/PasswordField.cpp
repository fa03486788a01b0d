#include "widgets/PasswordField.h"

#include "widgets/TextField.h"

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
    switch (fieldInput(event)) {
        case FieldInput::Erase:
            if (content.isEmpty()) return;
            content.erase(content.getSize() - 1);
            refreshDisplay();
            return;
        case FieldInput::Type:
            if (!characterFits(content, maxLength, event.text.unicode, lowest, highest)) return;
            content += event.text.unicode;
            refreshDisplay();
            return;
        case FieldInput::None:
            return;
    }
}

void PasswordField::handleClick(sf::Vector2f point) {
    if (!focusByClick(box, point)) {
        loseFocus();
        return;
    }
    focused = true;
    refreshDisplay();
}

void PasswordField::loseFocus() {
    focused = false;
    box.setOutlineThickness(0.f);
    if (content.isEmpty()) showPlaceholder();
}
