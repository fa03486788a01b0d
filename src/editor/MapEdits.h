#pragma once
// The drawing mode's edits of the two text tables, free of any window: a new
// spot, a new road, and the deletion of a spot (with every road touching it)
// or of a road. Spot number n is spot row n - 1, road number n road row n - 1.
#include <SFML/System/Vector2.hpp>

#include "map/TextTable.h"

// Centres of two spots stand at least this far apart (map units).
constexpr float kMinSpotDistance = 70.f;

// Whether the centre of a spot in use, other than the one in row exceptRow,
// lies closer to this centre than kMinSpotDistance (in single precision, so
// exactly that distance is far enough). Placing a spot and moving one in the
// property editor both ask this.
bool nearAnotherSpot(const TextTable& spots, sf::Vector2f centre, int exceptRow = -1);

enum class PlaceOutcome {
    Placed,
    TooClose,  // a spot in use has its centre less than kMinSpotDistance away
    Full,      // every usable row holds a spot already
};

// Appends the row of a spot centred on the map point: of type kHotelType,
// named 新建景点, rated 1, costing 1000, x and y being the point minus
// kSpotRadius truncated toward zero. Refused, changing nothing, when the
// table is full or the centre of a spot in use lies closer than
// kMinSpotDistance (single precision, exactly that distance is accepted).
PlaceOutcome appendSpotRow(TextTable& spots, sf::Vector2f centre);

// Appends the row of a road of type kOrdinaryRoadType named 新建路线, 1000 m
// long, speed limit 1, from the start spot to the end spot. Returns false,
// changing nothing, when the table is full.
bool appendRoadRow(TextTable& roads, int endSpot, int startSpot);

// Removes every road row with an end at spot n, then spot row n - 1; the
// spot numbers above n in the remaining road rows go down by one, as the
// spots after n move up. Numbers outside the rows in use change nothing.
void deleteSpotRows(TextTable& spots, TextTable& roads, int spot);

// Removes road row n - 1; later rows move up.
void deleteRoadRow(TextTable& roads, int road);
