#include "settings/HelpTexts.h"

void showHelpAtRest(SidePanel& panel, bool userScreen) {
    if (userScreen) panel.title.setString(L"使用帮助");
    panel.body.setString(kHelpText);
}

namespace {

sf::Text restingPart(const sf::Text& body, const sf::String& lines, sf::Vector2f position) {
    sf::Text text = body;
    text.setString(lines);
    text.setCharacterSize(kRestingTextSize);
    const sf::Font* font = text.getFont();
    // A missing font has no line spacing; its texts draw nothing anyway.
    const float natural = font ? font->getLineSpacing(kRestingTextSize) : 0.f;
    if (natural > 0.f) text.setLineSpacing(kRestingLineSpacing / natural);
    text.setPosition(position);
    return text;
}

}  // namespace

RestingText layRestingText(const sf::Text& body, const sf::FloatRect& settingsButton) {
    const sf::String text = body.getString();
    std::size_t hintsEnd = text.find(L"\n\n");
    if (hintsEnd == sf::String::InvalidPos) hintsEnd = text.getSize();
    std::size_t creditsStart = hintsEnd;
    while (creditsStart < text.getSize() && text[creditsStart] == '\n') ++creditsStart;
    const sf::Vector2f place = body.getPosition();
    const float creditsTop = settingsButton.top + settingsButton.height + 5.f;
    return RestingText{restingPart(body, text.substring(0, hintsEnd), place),
                       restingPart(body, text.substring(creditsStart), {place.x, creditsTop})};
}
