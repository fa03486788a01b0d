#pragma once
// The blue panel on the right of the user and administrator screens, with
// the title and body texts that the information panels, the route request
// and report and the help texts take turns to fill. Interface-view units.
#include <SFML/Graphics.hpp>

constexpr float kPanelTitleHomeY = 5.f;
constexpr float kPanelBodyHomeY = 70.f;

struct SidePanel {
    sf::RectangleShape rect;
    sf::Text title;
    sf::Text body;
};

void buildSidePanel(SidePanel& panel, const sf::Font& font, const sf::String& helpText);

// True when an interface-view point belongs to the panel rather than the map.
bool insidePanel(const SidePanel& panel, sf::Vector2f interfacePoint);

// Puts the title and body back at their home heights, undoing any scroll.
void resetPanelScroll(SidePanel& panel);
