#pragma once
// The administrator's map editor as the App holds it: the drawing panel,
// the property panel, the status message they share, the saves still owed
// after a failed one and the session's steps to undo and redo.
#include "editor/DrawingPanel.h"
#include "editor/MapHistory.h"
#include "editor/MapSave.h"
#include "editor/PropertyEditor.h"
#include "editor/StatusMessage.h"

struct MapEditor {
    DrawingPanel drawing;
    PropertyEditor property;
    StatusMessage status;
    UnsavedTables unsaved;
    MapHistory history;
};

void buildMapEditor(MapEditor& editor, const sf::Font& font);

// The hover look of the drawing panel's and the property panel's labels.
void hoverMapEditor(MapEditor& editor, sf::Vector2f point);
