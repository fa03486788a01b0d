#include "editor/StatusMessage.h"

void buildStatusMessage(StatusMessage& message, const sf::Font& font) {
    message.text = sf::Text(L"", font, 50);
    message.text.setOrigin(50.f, 50.f);
    message.text.setPosition(600.f, 570.f);
    message.visible = false;
}

void showStatus(StatusMessage& message, const sf::String& text, sf::Color colour) {
    message.text.setString(text);
    message.text.setFillColor(colour);
    message.visible = true;
}

void hideStatus(StatusMessage& message) { message.visible = false; }

void drawStatus(sf::RenderTarget& target, const StatusMessage& message) {
    if (message.visible) target.draw(message.text);
}
