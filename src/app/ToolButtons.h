#pragma once
// The buttons that open the tool panels: on the administrator screen
// 绘制模式, 用户数据 and 系统设置 in the side panel; on the user screen only
// 系统设置, lower down. Each rectangle is green while its panel is open and
// red otherwise. Interface-view units.
#include <SFML/Graphics.hpp>

#include "app/PanelRules.h"
#include "widgets/ToggleButton.h"

using ToolButton = ToggleButton;

struct ToolButtons {
    ToolButton drawing;
    ToolButton userData;
    ToolButton settings;
};

void buildToolButtons(ToolButtons& buttons, const sf::Font& font);

// The settings button stands lower on the user screen than among the
// administrator's three.
void placeToolButtons(ToolButtons& buttons, Screen screen);

// A left click at an interface point, on a screen where the buttons are
// shown. 绘制模式 answers while no object is selected; 用户数据 and 系统设置
// also need the drawing panel closed. The user screen has 系统设置 alone.
// Returns the panel whose open state the click toggles, or None.
ToolPanel handleToolButtonsClick(const ToolButtons& buttons, Screen screen, const ToolPanels& tools,
                                 bool objectSelected, sf::Vector2f point);

// The administrator's three labels; the user screen's label has no hover.
void hoverToolButtons(ToolButtons& buttons, sf::Vector2f point);

void drawToolButtons(sf::RenderTarget& target, const ToolButtons& buttons, Screen screen, const ToolPanels& tools);
