#include "editor/StatusMessage.h"

#include "widgets/FittedText.h"

namespace {

constexpr unsigned kCharacterSize = 50;
constexpr unsigned kSmallestSize = 20;
// A little left of the window's right edge, x 800.
constexpr float kVisibleRight = 795.f;

}  // namespace

void buildStatusMessage(StatusMessage& message, const sf::Font& font) {
    message.text = sf::Text(L"", font, kCharacterSize);
    message.text.setOrigin(50.f, 50.f);
    message.text.setPosition(600.f, 570.f);
    message.prompt = sf::Text(L"", font, kCharacterSize);
    message.prompt.setFillColor(sf::Color::Yellow);
    message.visible = false;
}

void showStatus(StatusMessage& message, const sf::String& text, sf::Color colour) {
    // A message longer than the panel is written smaller rather than cut off
    // at the window's edge.
    setFittedString(message.text, text, kCharacterSize, kSmallestSize, kVisibleRight);
    message.text.setFillColor(colour);
    message.prompt.setString(L"");
    message.visible = true;
}

void addStatusPrompt(StatusMessage& message, const sf::String& prompt) {
    if (!message.visible) return;
    // The size is the one the whole line fits in; the prompt then starts
    // where the line's text would have it.
    const sf::String shown = message.text.getString();
    const sf::String gap = L"  ";
    setFittedString(message.text, shown + gap + prompt, kCharacterSize, kSmallestSize, kVisibleRight);
    message.prompt.setString(prompt);
    message.prompt.setCharacterSize(message.text.getCharacterSize());
    message.prompt.setPosition(message.text.findCharacterPos(shown.getSize() + gap.getSize()));
    message.text.setString(shown);
}

void hideStatus(StatusMessage& message) { message.visible = false; }

void drawStatus(sf::RenderTarget& target, const StatusMessage& message) {
    if (!message.visible) return;
    target.draw(message.text);
    target.draw(message.prompt);
}

void drawStatusOnPanel(sf::RenderTarget& target, const StatusMessage& message, const sf::RectangleShape& panel) {
    if (!message.visible) return;
    const sf::FloatRect area = panel.getGlobalBounds();
    // The top of the message's line, whatever size a long message is written in.
    const float top = message.text.getPosition().y - message.text.getOrigin().y;
    sf::RectangleShape foot({area.width, area.top + area.height - top});
    foot.setPosition(area.left, top);
    foot.setFillColor(panel.getFillColor());
    target.draw(foot);
    drawStatus(target, message);
}
