#pragma once
// The spots' names on the map: each centred under its circle, in the
// program font at a fixed size in window pixels, so zooming moves a name but
// never scales it. Names that do not fit are left out (map/LabelPlacement).
// Names take no clicks.
#include <SFML/Graphics.hpp>

#include "map/LabelPlacement.h"
#include "map/MapModel.h"
#include "map/Selection.h"

constexpr unsigned kLabelSize = 14;  // character size in window pixels

struct MapLabels {
    sf::Text names[kTableRows];  // by spot number
    LabelSpot spots[kTableRows];
    int order[kTableRows];
    bool shown[kTableRows];
};

void buildMapLabels(MapLabels& labels, const sf::Font& font);

// Places every spot's name at the map view's current place; the selected
// spot and the outlined ones (a shown route's) go first.
void layOutMapLabels(MapLabels& labels, const MapModel& map, const sf::RenderTarget& target,
                     const sf::View& mapView, const Selection& selection);

// Lays the names out and draws those shown through a view of window pixels;
// the map view is current again afterwards.
void drawMapLabels(sf::RenderTarget& target, MapLabels& labels, const MapModel& map, const sf::View& mapView,
                   const Selection& selection);
