#include "app/ToolButtons.h"

void buildToolButtons(ToolButtons& buttons, const sf::Font& font) {
    buttons.drawing = makeToggleButton(font, L"绘制模式", {555.f, 100.f});
    buttons.userData = makeToggleButton(font, L"用户数据", {555.f, 200.f});
    buttons.settings = makeToggleButton(font, L"系统设置", {555.f, 300.f});
}

void placeToolButtons(ToolButtons& buttons, Screen screen) {
    placeToggleButton(buttons.settings, {555.f, screen == kUserScreen ? 340.f : 300.f});
}

ToolPanel handleToolButtonsClick(const ToolButtons& buttons, Screen screen, const ToolPanels& tools,
                                 bool objectSelected, sf::Vector2f point) {
    if (objectSelected) return ToolPanel::None;
    if (screen == kUserScreen) return toggleHit(buttons.settings, point) ? ToolPanel::Settings : ToolPanel::None;
    if (toggleHit(buttons.drawing, point)) return ToolPanel::Drawing;
    if (isOpen(tools, ToolPanel::Drawing)) return ToolPanel::None;  // it covers the other two
    if (toggleHit(buttons.userData, point)) return ToolPanel::UserTable;
    if (toggleHit(buttons.settings, point)) return ToolPanel::Settings;
    return ToolPanel::None;
}

void hoverToolButtons(ToolButtons& buttons, sf::Vector2f point) {
    applyHover(buttons.drawing.label, point);
    applyHover(buttons.userData.label, point);
    applyHover(buttons.settings.label, point);
}

void drawToolButtons(sf::RenderTarget& target, const ToolButtons& buttons, Screen screen, const ToolPanels& tools) {
    if (screen == kAdminScreen) {
        drawToggleButton(target, buttons.drawing, isOpen(tools, ToolPanel::Drawing));
        drawToggleButton(target, buttons.userData, isOpen(tools, ToolPanel::UserTable));
    }
    drawToggleButton(target, buttons.settings, isOpen(tools, ToolPanel::Settings));
}
