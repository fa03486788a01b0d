#include "map/MapView.h"

sf::Vector2f toMap(const sf::RenderTarget& target, const MapViews& views, sf::Vector2i pixel) {
    return target.mapPixelToCoords(pixel, views.mapView);
}

sf::Vector2f toInterface(const sf::RenderTarget& target, const MapViews& views, sf::Vector2i pixel) {
    return target.mapPixelToCoords(pixel, views.interfaceView);
}

namespace {

void applyZoom(MapViews& views, const sf::RenderTarget& target) {
    views.mapView.setSize(target.getDefaultView().getSize());
    views.mapView.zoom(views.zoom);
}

}  // namespace

void recentre(MapViews& views, sf::RenderTarget& target) {
    views.zoom = kHomeZoom;
    views.mapView.setCenter(kHomeCentre);
    applyZoom(views, target);
    target.setView(views.mapView);
}

void fitToWindow(MapViews& views, sf::RenderTarget& target) {
    applyZoom(views, target);
    target.setView(views.mapView);
}

void zoomStep(MapViews& views, sf::RenderTarget& target, float delta) {
    // Single-precision steps of 0.1 drift a little off exact tenths; the caps
    // catch the drift (ten steps out from 2 stay just below 3).
    if (delta <= -1.f) {
        views.zoom = views.zoom + 0.1f;
        if (views.zoom >= kMaxZoom) views.zoom = kMaxZoom;
    } else if (delta >= 1.f) {
        views.zoom = views.zoom - 0.1f;
        if (views.zoom <= kMinZoom) views.zoom = kMinZoom;
    }
    applyZoom(views, target);
}

bool isDragButton(sf::Mouse::Button button) {
    return button == sf::Mouse::Left || button == sf::Mouse::Right || button == sf::Mouse::Middle;
}

void beginDrag(MapViews& views, PointerState& pointer, const sf::RenderTarget& target, sf::Vector2i pixel) {
    pointer.mouseHeld = true;
    views.dragAnchor = toMap(target, views, pixel);
    views.panelAnchorY = toInterface(target, views, pixel).y;
}

void endDrag(PointerState& pointer) {
    pointer.mouseHeld = false;
    pointer.panelDrag = false;
}

void dragStep(MapViews& views, sf::RenderTarget& target, sf::Vector2i pixel, PointerState& pointer,
              SidePanel& panel) {
    const sf::Vector2f delta = views.dragAnchor - toMap(target, views, pixel);
    if (!pointer.mouseHeld) return;

    const sf::Vector2f interfacePoint = toInterface(target, views, pixel);
    if (insidePanel(panel, interfacePoint)) {
        pointer.panelDrag = true;
        if (panel.scrollMode) {
            scrollPanelTexts(panel, views.panelAnchorY - interfacePoint.y);
            views.panelAnchorY = interfacePoint.y;
        }
        return;
    }
    pointer.panelDrag = false;
    if (panel.scrollMode) return;

    views.mapView.setCenter(views.mapView.getCenter() + delta);
    target.setView(views.mapView);
    views.dragAnchor = toMap(target, views, pixel);
}
