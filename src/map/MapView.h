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
constexpr float kInterfaceWidth = 800.f;
// The map area, where the map is not under the side panel, is this share
// of the map view's width, from its left edge; its full height.
constexpr float kMapAreaShare = kPanelLeft / kInterfaceWidth;
// Room kept around what the view is moved to show, in map units at zoom 1
// (window pixels in the start-up window): the names under the lowest spots.
constexpr float kFitMargin = 24.f;

// The mouse buttons as the drag sees them.
struct PointerState {
    bool mouseHeld = false;  // a left, right or middle button is down
    bool panelDrag = false;  // the drag under way is over the side panel; ends with the button
};

struct MapViews {
    sf::View mapView{sf::FloatRect(0.f, 0.f, 800.f, 600.f)};
    sf::View interfaceView{sf::FloatRect(0.f, 0.f, kInterfaceWidth, 600.f)};
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

// Where the map view stands: its centre and zoom factor.
struct ViewPlace {
    sf::Vector2f centre;
    float zoom = kHomeZoom;
};

// The map rectangle of the map area with the view at this place; baseSize
// is the window's default view size (the view's size at zoom 1).
sf::FloatRect mapArea(ViewPlace place, sf::Vector2f baseSize);

// The place that shows the whole map rectangle in the map area. The same
// place when the area already shows it; otherwise zoomed out only as far as
// the rectangle and its margin need (never in, never past kMaxZoom) and
// moved as little as that takes. A rectangle too large even at kMaxZoom is
// centred in the map area.
ViewPlace fitView(ViewPlace place, sf::Vector2f baseSize, const sf::FloatRect& area);

// Moves and zooms the map view by fitView; it becomes current. Returns
// whether it moved.
bool bringIntoView(MapViews& views, sf::RenderTarget& target, const sf::FloatRect& area);

// The window pixel in the middle of the map area: (200, 240) in the
// start-up window.
sf::Vector2i mapAreaMiddle(const sf::RenderTarget& target);

// Moves the map view, its zoom kept, so the map point lands under the
// window pixel; it becomes current.
void centreOn(MapViews& views, sf::RenderTarget& target, sf::Vector2f mapPoint, sf::Vector2i pixel);
