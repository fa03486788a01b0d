#include "map/SidePanel.h"

#include <algorithm>

namespace {

// The interface y of the top of the text's last line (a line break at the
// very end opens no line of its own).
float lastLineTop(const sf::Text& text) {
    const sf::String string = text.getString();
    std::size_t end = string.getSize();
    if (end > 0 && string[end - 1] == '\n') --end;
    std::size_t start = end;
    while (start > 0 && string[start - 1] != '\n') --start;
    return text.findCharacterPos(start).y;
}

}  // namespace

void buildSidePanel(SidePanel& panel, const sf::Font& font, const sf::String& helpText) {
    panel.rect.setSize(sf::Vector2f(400.f, 800.f));
    panel.rect.setPosition(kPanelLeft, 0.f);
    panel.rect.setFillColor(sf::Color(70, 120, 210, 255));

    panel.title.setFont(font);
    panel.title.setCharacterSize(50);
    panel.title.setFillColor(sf::Color::Black);
    panel.title.setPosition(550.f, kPanelTitleHomeY);
    panel.title.setString(L"使用帮助");

    panel.body.setFont(font);
    panel.body.setCharacterSize(30);
    panel.body.setFillColor(sf::Color::Black);
    panel.body.setPosition(510.f, kPanelBodyHomeY);
    panel.body.setString(helpText);
}

bool insidePanel(const SidePanel& panel, sf::Vector2f interfacePoint) {
    return panel.rect.getGlobalBounds().contains(interfacePoint);
}

void scrollPanelTexts(SidePanel& panel, float up) {
    const float room = lastLineTop(panel.body) - panel.rect.getGlobalBounds().top;
    up = std::min(up, std::max(room, 0.f));
    const sf::Vector2f title = panel.title.getPosition();
    const sf::Vector2f body = panel.body.getPosition();
    panel.title.setPosition(title.x, std::min(title.y - up, kPanelTitleHomeY));
    panel.body.setPosition(body.x, std::min(body.y - up, kPanelBodyHomeY));
}

void endPanelScroll(SidePanel& panel) {
    panel.scrollMode = false;
    panel.title.setPosition(panel.title.getPosition().x, kPanelTitleHomeY);
    panel.body.setPosition(panel.body.getPosition().x, kPanelBodyHomeY);
}
