#include "map/MapLabels.h"

#include <cmath>

namespace {

constexpr float kLabelOutline = 2.f;  // white around the black letters, readable on roads
constexpr float kLabelGap = 2.f;      // pixels between a circle's highlight and its name

bool marked(const MapModel& map, int n, const Selection& selection) {
    const bool selected =
        anythingSelected(selection) && selection.kind == SelectedKind::Spot && selection.spotNumber == n;
    return selected || map.spots[n].circle.getOutlineThickness() > 0.f;
}

}  // namespace

void buildMapLabels(MapLabels& labels, const sf::Font& font) {
    for (sf::Text& name : labels.names) {
        name.setFont(font);
        name.setCharacterSize(kLabelSize);
        name.setFillColor(sf::Color::Black);
        name.setOutlineColor(sf::Color::White);
        name.setOutlineThickness(kLabelOutline);
    }
}

void layOutMapLabels(MapLabels& labels, const MapModel& map, const sf::RenderTarget& target,
                     const sf::View& mapView, const Selection& selection) {
    const float pixelsPerUnit = static_cast<float>(target.getSize().x) / mapView.getSize().x;
    // The same drop for every name, outlined or not, so a name stays put
    // when its spot is highlighted.
    const float drop = std::ceil((kSpotRadius + kHighlightThickness) * pixelsPerUnit) + kLabelGap;
    bool first[kTableRows];
    for (int n = 1; n <= map.spotCount; ++n) {
        const Spot& spot = map.spots[n];
        sf::Text& name = labels.names[n];
        name.setString(spot.name);  // unchanged names cost nothing
        const sf::Vector2f centre(target.mapCoordsToPixel(spot.centre(), mapView));
        const sf::FloatRect bounds = name.getLocalBounds();
        // Whole pixels keep the letters sharp.
        name.setPosition(std::round(centre.x - bounds.width / 2.f - bounds.left),
                         std::round(centre.y + drop - bounds.top));
        labels.spots[n] = LabelSpot{name.getGlobalBounds(), centre,
                                    (kSpotRadius + spot.circle.getOutlineThickness()) * pixelsPerUnit};
        first[n] = marked(map, n, selection);
    }
    labelOrder(first, map.spotCount, labels.order);
    placeLabels(labels.spots, map.spotCount, labels.order, labels.shown);
}

void drawMapLabels(sf::RenderTarget& target, MapLabels& labels, const MapModel& map, const sf::View& mapView,
                   const Selection& selection) {
    layOutMapLabels(labels, map, target, mapView, selection);
    const sf::Vector2f size(target.getSize());
    target.setView(sf::View(sf::FloatRect(0.f, 0.f, size.x, size.y)));
    for (int n = 1; n <= map.spotCount; ++n)
        if (labels.shown[n]) target.draw(labels.names[n]);
    target.setView(mapView);
}
