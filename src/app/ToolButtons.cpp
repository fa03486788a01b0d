#include "app/ToolButtons.h"

namespace {

ToolButton toolButton(const sf::Font& font, const sf::String& text, sf::Vector2f rectPosition) {
    ToolButton button;
    button.rect.setSize(sf::Vector2f(190.f, 70.f));
    button.rect.setOutlineColor(sf::Color::Cyan);
    button.rect.setOutlineThickness(5.f);
    button.label = makeToolButton(font, text);
    button.rect.setPosition(rectPosition);
    // The label's origin (65, 30) centres it in the rectangle.
    button.label.setPosition(rectPosition + sf::Vector2f(80.f, 35.f));
    return button;
}

bool hit(const ToolButton& button, sf::Vector2f point) { return button.rect.getGlobalBounds().contains(point); }

void draw(sf::RenderTarget& target, const ToolButton& button, bool open) {
    sf::RectangleShape rect = button.rect;
    rect.setFillColor(open ? sf::Color::Green : sf::Color::Red);
    target.draw(rect);
    target.draw(button.label);
}

}  // namespace

void buildToolButtons(ToolButtons& buttons, const sf::Font& font) {
    buttons.drawing = toolButton(font, L"绘制模式", {555.f, 100.f});
    buttons.userData = toolButton(font, L"用户数据", {555.f, 200.f});
    buttons.settings = toolButton(font, L"系统设置", {555.f, 300.f});
}

void placeToolButtons(ToolButtons& buttons, Screen screen) {
    const sf::Vector2f rect(555.f, screen == kUserScreen ? 340.f : 300.f);
    buttons.settings.rect.setPosition(rect);
    buttons.settings.label.setPosition(rect + sf::Vector2f(80.f, 35.f));
}

ToolPanel handleToolButtonsClick(const ToolButtons& buttons, Screen screen, const ToolPanels& tools,
                                 bool objectSelected, sf::Vector2f point) {
    if (objectSelected) return ToolPanel::None;
    if (screen == kUserScreen) return hit(buttons.settings, point) ? ToolPanel::Settings : ToolPanel::None;
    if (hit(buttons.drawing, point)) return ToolPanel::Drawing;
    if (isOpen(tools, ToolPanel::Drawing)) return ToolPanel::None;  // it covers the other two
    if (hit(buttons.userData, point)) return ToolPanel::UserTable;
    if (hit(buttons.settings, point)) return ToolPanel::Settings;
    return ToolPanel::None;
}

void hoverToolButtons(ToolButtons& buttons, sf::Vector2f point) {
    applyHover(buttons.drawing.label, point);
    applyHover(buttons.userData.label, point);
    applyHover(buttons.settings.label, point);
}

void drawToolButtons(sf::RenderTarget& target, const ToolButtons& buttons, Screen screen, const ToolPanels& tools) {
    if (screen == kAdminScreen) {
        draw(target, buttons.drawing, isOpen(tools, ToolPanel::Drawing));
        draw(target, buttons.userData, isOpen(tools, ToolPanel::UserTable));
    }
    draw(target, buttons.settings, isOpen(tools, ToolPanel::Settings));
}
