#pragma once
// The blue panel on the right of the user and administrator screens, with
// the title and body texts that the information panels, the route request
// and report and the help texts take turns to fill, and the modes that say
// what the panel shows (whether it shows a selected spot or road is the
// Selection's to say). Interface-view units.
#include <SFML/Graphics.hpp>

constexpr float kPanelLeft = 500.f;  // interface x where the panel begins
constexpr float kPanelTitleHomeY = 5.f;
constexpr float kPanelBodyHomeY = 70.f;

struct SidePanel {
    sf::RectangleShape rect;
    sf::Text title;
    sf::Text body;

    bool scrollMode = false;      // a route report may be dragged vertically
    bool routePickIdle = true;    // no route hint or report occupies the panel
};

void buildSidePanel(SidePanel& panel, const sf::Font& font, const sf::String& helpText);

// True when an interface-view point belongs to the panel rather than the map.
bool insidePanel(const SidePanel& panel, sf::Vector2f interfacePoint);

// Moves the title and body up by the given interface units (down when
// negative) together: never below their home heights, and up only until the
// body's last line reaches the top of the panel, so a report never scrolls
// out of sight.
void scrollPanelTexts(SidePanel& panel, float up);

// How far one notch of the wheel scrolls the panel texts (interface units).
constexpr float kWheelScrollStep = 60.f;

// Ends scroll mode and puts the title and body back at their home heights,
// undoing any scroll.
void endPanelScroll(SidePanel& panel);
