#pragma once
// The spot or road hit last on the map, which the property editor acts on.

enum class SelectedKind { Spot, Road };

struct Selection {
    bool selected = false;
    SelectedKind kind = SelectedKind::Spot;
    int spotNumber = 0;
    int roadNumber = 0;
};
