#pragma once
// Undo and redo of the administrator's map changes from the keyboard.
#include <SFML/Window/Event.hpp>

#include "editor/EditorSession.h"
#include "editor/MapEditor.h"

// Ctrl+Z undoes the last change of the map, Ctrl+Y or Ctrl+Shift+Z redoes
// the last one undone; other events do nothing. In draw-road mode the
// message is followed by the mode's prompt. Returns whether the side panel
// came to rest (its title is the App's to set).
bool handleMapHistoryKeys(MapEditor& editor, EditorSession& session, const sf::Event& event);

// Undoes the last change (back) or redoes the last undone one: both tables
// are restored and saved together, the map rebuilt, and "已撤销" or "已重做"
// shown in green, or "没有可撤销的修改" / "没有可重做的修改" in yellow when
// there is no step. The objects may be renumbered, so the selection, every
// outline and any spot pick end and the side panel comes to rest. A route
// hint or report ends even without a step: the message takes the foot of the
// panel it fills. A failed save shows "保存失败" in red and puts the tables
// back, keeping the step to be tried again. Returns whether the side panel
// came to rest.
bool stepMapHistory(EditorSession& session, bool back);
