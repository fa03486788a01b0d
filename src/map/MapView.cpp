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

bool holds(const sf::FloatRect& outer, const sf::FloatRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width && inner.top + inner.height <= outer.top + outer.height;
}

// Where a span of the given length starts after the least shift from start
// that holds [from, from + size) with the margin on both sides; centred on
// it when it cannot.
float shiftToHold(float start, float length, float from, float size, float margin) {
    if (size + 2.f * margin > length) return from + size / 2.f - length / 2.f;
    return std::clamp(start, from + size + margin - length, from - margin);
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

sf::FloatRect mapArea(ViewPlace place, sf::Vector2f baseSize) {
    const sf::Vector2f size = baseSize * place.zoom;
    return sf::FloatRect(place.centre.x - size.x / 2.f, place.centre.y - size.y / 2.f, size.x * kMapAreaShare, size.y);
}

ViewPlace fitView(ViewPlace place, sf::Vector2f baseSize, const sf::FloatRect& area) {
    if (holds(mapArea(place, baseSize), area)) return place;
    // At zoom z the map area spans base * z units and the margins 2 * margin * z.
    const float roomX = baseSize.x * kMapAreaShare - 2.f * kFitMargin;
    const float roomY = baseSize.y - 2.f * kFitMargin;
    const float needed = std::max(area.width / roomX, area.height / roomY);
    ViewPlace fitted{place.centre, std::min(std::max(place.zoom, needed), kMaxZoom)};

    const sf::FloatRect zoomed = mapArea(fitted, baseSize);
    const float margin = kFitMargin * fitted.zoom;
    const float left = shiftToHold(zoomed.left, zoomed.width, area.left, area.width, margin);
    const float top = shiftToHold(zoomed.top, zoomed.height, area.top, area.height, margin);
    fitted.centre += sf::Vector2f(left - zoomed.left, top - zoomed.top);
    return fitted;
}

bool bringIntoView(MapViews& views, sf::RenderTarget& target, const sf::FloatRect& area) {
    const ViewPlace place{views.mapView.getCenter(), views.zoom};
    const ViewPlace fitted = fitView(place, target.getDefaultView().getSize(), area);
    if (fitted.centre == place.centre && fitted.zoom == place.zoom) return false;
    views.zoom = fitted.zoom;
    views.mapView.setCenter(fitted.centre);
    applyZoom(views, target);
    target.setView(views.mapView);
    return true;
}

sf::Vector2i mapAreaMiddle(const sf::RenderTarget& target) {
    const sf::Vector2u size = target.getSize();
    return sf::Vector2i(static_cast<int>(static_cast<float>(size.x) * kMapAreaShare / 2.f),
                        static_cast<int>(size.y / 2));
}

void centreOn(MapViews& views, sf::RenderTarget& target, sf::Vector2f mapPoint, sf::Vector2i pixel) {
    const sf::Vector2f under = toMap(target, views, pixel);
    views.mapView.setCenter(views.mapView.getCenter() + mapPoint - under);
    target.setView(views.mapView);
}
