#pragma once
// The two views: the movable, zoomable map view through which spots and
// roads are drawn, and the fixed 800 x 600 interface view of the panels.
// Also the three ways of moving the map: drag, wheel zoom and re-centre.
#include <SFML/Graphics.hpp>

#include "map/SidePanel.h"

constexpr float kHomeZoom = 2.f;
constexpr float kMinZoom = 0.3f;
constexpr float kMaxZoom = 3.f;
const sf::Vector2f kHomeCentre(450.f, 450.f);

// The mouse buttons as the drag sees them.
struct PointerState {
    bool mouseHeld = false;  // a left, right or middle button is down
    bool panelDrag = false;  // the drag under way is over the side panel; ends with the button
};

struct MapViews {
    sf::View mapView{sf::FloatRect(0.f, 0.f, 800.f, 600.f)};
    sf::View interfaceView{sf::FloatRect(0.f, 0.f, 800.f, 600.f)};
    float zoom = kHomeZoom;     // map view size = window's default view size * zoom
    sf::Vector2f dragAnchor;    // map point under the mouse at the last press
    float panelAnchorY = 0.f;   // interface y of the mouse at the last press
};

sf::Vector2f toMap(const sf::RenderTarget& target, const MapViews& views, sf::Vector2i pixel);
sf::Vector2f toInterface(const sf::RenderTarget& target, const MapViews& views, sf::Vector2i pixel);

// Home position: centre (450, 450), zoom 2; the map view becomes current.
void recentre(MapViews& views, sf::RenderTarget& target);

// Sizes the map view for the target's present window at the current zoom,
// the centre kept; the map view becomes current. For a window made anew in
// another size, so the map keeps its place and scale under the pointer.
void fitToWindow(MapViews& views, sf::RenderTarget& target);

// One wheel step, d being the scroll delta: towards the user zooms out by
// 0.1 up to 3, away zooms in down to 0.3. Zooms about the view centre.
void zoomStep(MapViews& views, sf::RenderTarget& target, float delta);

// True for the buttons that hold and drag: left, right and middle.
bool isDragButton(sf::Mouse::Button button);

// A press of a drag button: the mouse is held, and the drag anchors are set.
void beginDrag(MapViews& views, PointerState& pointer, const sf::RenderTarget& target, sf::Vector2i pixel);

// A release of a drag button, or a window that lost it: no button is held
// and no drag goes on, so the wheel zooms again.
void endDrag(PointerState& pointer);

// The drag part of a mouse move on a screen whose map may move: while a
// button is held, pans the map so the grabbed point stays under the cursor,
// or, over the side panel in scroll mode, scrolls the panel texts
// (scrollPanelTexts).
void dragStep(MapViews& views, sf::RenderTarget& target, sf::Vector2i pixel, PointerState& pointer,
              SidePanel& panel);
