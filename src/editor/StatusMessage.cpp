#include "editor/StatusMessage.h"

namespace {

constexpr unsigned kCharacterSize = 50;
// From the message's left edge, x 550, to the window's right edge, x 800.
constexpr float kAvailableWidth = 245.f;

}  // namespace

void buildStatusMessage(StatusMessage& message, const sf::Font& font) {
    message.text = sf::Text(L"", font, kCharacterSize);
    message.text.setOrigin(50.f, 50.f);
    message.text.setPosition(600.f, 570.f);
    message.visible = false;
}

void showStatus(StatusMessage& message, const sf::String& text, sf::Color colour) {
    message.text.setString(text);
    message.text.setCharacterSize(kCharacterSize);
    // A message longer than the panel is written smaller rather than cut off
    // at the window's edge.
    const float width = message.text.getLocalBounds().width;
    if (width > kAvailableWidth)
        message.text.setCharacterSize(static_cast<unsigned>(kCharacterSize * kAvailableWidth / width));
    message.text.setFillColor(colour);
    message.visible = true;
}

void hideStatus(StatusMessage& message) { message.visible = false; }

void drawStatus(sf::RenderTarget& target, const StatusMessage& message) {
    if (message.visible) target.draw(message.text);
}
