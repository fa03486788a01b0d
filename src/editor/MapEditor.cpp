#include "editor/MapEditor.h"

void buildMapEditor(MapEditor& editor, const sf::Font& font) {
    buildPropertyEditor(editor.property, font);
    buildDrawingPanel(editor.drawing, font);
    buildStatusMessage(editor.status, font);
}

void hoverMapEditor(MapEditor& editor, sf::Vector2f point) {
    hoverDrawingPanel(editor.drawing, point);
    hoverPropertyButtons(editor.property, point);
}
