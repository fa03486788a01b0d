#pragma once
// The spot or road hit last on the map, which the property editor acts on,
// and whether the side panel shows it.

enum class SelectedKind { Spot, Road };

// A plain map click that hits something selects it and shows its details in
// the side panel; one that hits nothing clears the selection. A route or road
// pick, or the drawing panel's delete, selects the spot or road it hits and
// leaves the panel as it was: still showing a selection (now the picked
// object), or still at rest.
enum class SelectionState { None, Picked, Shown };

struct Selection {
    SelectionState state = SelectionState::None;
    SelectedKind kind = SelectedKind::Spot;
    int spotNumber = 0;
    int roadNumber = 0;
    unsigned hits = 0;  // counts every hit, so a reader can tell a fresh selection from the one it saw
};

// The number of the selected spot or road, by the selected kind.
inline int selectedNumber(const Selection& selection) {
    return selection.kind == SelectedKind::Spot ? selection.spotNumber : selection.roadNumber;
}

inline bool anythingSelected(const Selection& selection) { return selection.state != SelectionState::None; }

// The side panel shows the selected object rather than its resting content.
inline bool panelShowsSelection(const Selection& selection) { return selection.state == SelectionState::Shown; }

inline void clearSelection(Selection& selection) { selection.state = SelectionState::None; }
