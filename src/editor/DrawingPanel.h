#pragma once
// The administrator's drawing panel, opened by 绘制模式: a green panel with
// three exclusive switches, 绘制景点 (place a spot where the next click on
// the map lands), 绘制道路 (join the next two spots picked by a new road) and
// 删除绘制 (delete the spot or road clicked). Every change is saved at once
// and the map rebuilt. Interface-view units; the preview is in map units.
#include <SFML/Graphics.hpp>

#include "editor/EditorSession.h"
#include "editor/StatusMessage.h"
#include "widgets/ToggleButton.h"

enum class DrawingMode { None, PlaceSpot, DrawRoad, Delete };

struct DrawingPanel {
    sf::RectangleShape rect;
    ToggleButton placeSpot;
    ToggleButton drawRoad;
    ToggleButton remove;
    DrawingMode mode = DrawingMode::None;
    sf::CircleShape preview;  // where the spot would go; follows the mouse in place-spot mode
};

void buildDrawingPanel(DrawingPanel& panel, const sf::Font& font);

// A left press while the panel is open, at an interface point and the same
// press's map point: the three switches, then what the mode in force does
// with a press on the map. A press that does nothing else hides the status
// message and, unless delete mode is on, clears the selection.
void handleDrawingClick(DrawingPanel& panel, EditorSession& session, sf::Vector2f point, sf::Vector2f mapPoint);

// Leaves every mode, as when the panel closes. Leaving draw-road mode ends
// the pick (count 0, every spot selectable) and hides its prompt, so no
// stale start completes a later road or route.
void resetDrawingPanel(DrawingPanel& panel, StatusMessage& status, MapModel& map, RoutePick& pick);

// In draw-road mode, follows the message just shown (an undo's, say) with
// the mode's prompt for the pick as it stands, so the user still reads what
// to click next; other modes add nothing.
void addModePrompt(const DrawingPanel& panel, StatusMessage& status, const RoutePick& pick);

// A mouse move at a map point: the preview follows it in place-spot mode.
void movePlacementPreview(DrawingPanel& panel, sf::Vector2f mapPoint);

// The three labels' hover look, whether or not they are drawn.
void hoverDrawingPanel(DrawingPanel& panel, sf::Vector2f point);

// The panel and its switches; in place-spot mode the preview, drawn through
// the map view; then the status message. Leaves the target's view as it was.
void drawDrawingPanel(sf::RenderTarget& target, const DrawingPanel& panel, const StatusMessage& status,
                      const sf::View& mapView);
