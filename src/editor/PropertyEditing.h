#pragma once
// What the property panel does with presses and keys: 编辑 and 删除 while
// viewing; the type list, the focus of the inputs, 确定 and 取消 while
// editing. A confirmed edit is checked, written into the object's row,
// saved and the map rebuilt.
#include <SFML/Window/Event.hpp>

#include "editor/EditorSession.h"
#include "editor/PropertyEditor.h"

// A left press at an interface point while the panel is shown.
void handlePropertyClick(PropertyEditor& editor, EditorSession& session, sf::Vector2f point);

// What 取消 does: "放弃修改" in red and the stored values back; the edit ends.
void cancelEdit(PropertyEditor& editor, EditorSession& session);

// Typing and BackSpace into the focused input while editing.
void handlePropertyKeys(PropertyEditor& editor, const sf::Event& event);

// The caret of the focused input while editing.
void blinkPropertyInputs(PropertyEditor& editor, int seconds);
