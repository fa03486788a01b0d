#pragma once
// Which spots a text typed into the find panel finds. Window-free.
#include <SFML/System/String.hpp>

#include "map/MapModel.h"

struct FoundSpots {
    int spots[kTableRows];  // spot numbers, in spot-number order
    int count = 0;
};

// The spots whose name contains the text or whose type is the text (酒店,
// 银行, 美食, 超市), in spot-number order. Spaces around the text do not
// count and Latin letters match in either case; an empty text finds every
// spot.
FoundSpots findSpots(const MapModel& map, const sf::String& text);
