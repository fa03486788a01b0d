#pragma once
// The spot or road hit last on the map, which the property editor acts on.

enum class SelectedKind { Spot, Road };

struct Selection {
    bool selected = false;
    SelectedKind kind = SelectedKind::Spot;
    int spotNumber = 0;
    int roadNumber = 0;
    unsigned hits = 0;  // counts every hit, so a reader can tell a fresh selection from the one it saw
};

// The number of the selected spot or road, by the selected kind.
inline int selectedNumber(const Selection& selection) {
    return selection.kind == SelectedKind::Spot ? selection.spotNumber : selection.roadNumber;
}
