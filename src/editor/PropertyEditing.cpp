#include "editor/PropertyEditing.h"

#include "editor/PropertyCheck.h"
#include "editor/PropertyLayout.h"

namespace {

bool typable(int input) { return input != kTypeInput; }

void startEditing(PropertyEditor& editor, const PropertyValues& values) {
    editor.editing = true;
    const auto shown = inputOrder(values);
    for (int i = 0; i < kPropertyValueCount; ++i) setFieldContent(editor.inputs[i], *shown[i]);
}

// The stored values come back, with their units, and the edit ends; the
// status message set before is shown.
void restore(PropertyEditor& editor, EditorSession& session) {
    PropertyValues& values = session.values;
    loadPropertyValues(values, session.map, values.kind, values.number);
    showPropertyValues(editor, values);
    session.status.visible = true;
}

void openTypeList(PropertyEditor& editor) {
    const PropertyLayout& layout = propertyLayout(editor.kind);
    editor.listOpen = true;
    editor.lastOption = layout.lastOption;
    editor.inputs[kTypeInput].box.setOutlineThickness(5.f);
    for (int k = 0; k <= layout.lastOption; ++k) {
        editor.options[k].box.setSize(layout.typeBox);
        editor.options[k].text.setString(layout.typeOptions[k]);
    }
}

void closeTypeList(PropertyEditor& editor) {
    editor.listOpen = false;
    editor.inputs[kTypeInput].box.setOutlineThickness(0.f);
}

void chooseType(PropertyEditor& editor, PropertyValues& values, sf::Vector2f point) {
    for (int k = 0; k <= editor.lastOption; ++k) {
        if (!editor.options[k].box.getGlobalBounds().contains(point)) continue;
        values.type = editor.options[k].text.getString();
        editor.inputs[kTypeInput].content = values.type;
        editor.inputs[kTypeInput].showContent();
    }
}

bool numberCut(const PropertyEditor& editor) {
    for (int i = kPlaceFirstInput; i < kPropertyValueCount; ++i)
        if (editor.inputs[i].cutShort) return true;
    return false;
}

void confirmEdit(PropertyEditor& editor, EditorSession& session) {
    editor.editing = false;
    std::array<sf::String, kPropertyValueCount> typed;
    for (int i = 0; i < kPropertyValueCount; ++i) typed[i] = editor.inputs[i].typedText();
    const PropertyContext context{session.map.spotTable,
                                  editor.kind == SelectedKind::Spot ? session.values.number : 0, numberCut(editor)};
    const PropertyProblem problem = checkPropertyValues(editor.kind, typed, context);
    if (problem != PropertyProblem::None) {
        showStatus(session.status, problemMessage(problem), sf::Color::Red);
        restore(editor, session);
        return;
    }
    PropertyValues& values = session.values;
    const auto slots = inputOrder(values);
    for (int i = 0; i < kPropertyValueCount; ++i) *slots[i] = typed[i];
    showStatus(session.status, L"修改成功", sf::Color::Green);
    if (!storePropertyValues(values, session.map)) {
        showPropertyValues(editor, values);
        showStatus(session.status, L"保存失败", sf::Color::Red);
        return;
    }
    const bool spot = values.kind == SelectedKind::Spot;
    commitEdit(session, spot, !spot);
    // The panel shows the values as the rebuilt object reads them.
    loadPropertyValues(values, session.map, values.kind, values.number);
    showPropertyValues(editor, values);
}

// Every press hides the last edit's message, 编辑 too: it belongs to the
// edit before.
void handleViewingClick(PropertyEditor& editor, EditorSession& session, sf::Vector2f point) {
    hideStatus(session.status);
    if (buttonHit(editor.editButton, point)) startEditing(editor, session.values);
    if (buttonHit(editor.deleteButton, point)) deleteSelected(session);
}

void handleEditingClick(PropertyEditor& editor, EditorSession& session, sf::Vector2f point) {
    if (editor.listOpen) chooseType(editor, session.values, point);
    if (editor.inputs[kTypeInput].box.getGlobalBounds().contains(point)) openTypeList(editor);
    else closeTypeList(editor);
    for (int i = 0; i < kPropertyValueCount; ++i)
        if (typable(i)) editor.inputs[i].handleClick(point);
    if (buttonHit(editor.confirmButton, point)) {
        confirmEdit(editor, session);
    } else if (buttonHit(editor.cancelButton, point)) {
        cancelEdit(editor, session);
    }
}

}  // namespace

void cancelEdit(PropertyEditor& editor, EditorSession& session) {
    showStatus(session.status, L"放弃修改", sf::Color::Red);
    restore(editor, session);
}

void handlePropertyClick(PropertyEditor& editor, EditorSession& session, sf::Vector2f point) {
    if (editor.editing) handleEditingClick(editor, session, point);
    else handleViewingClick(editor, session, point);
}

void handlePropertyKeys(PropertyEditor& editor, const sf::Event& event) {
    if (!editor.editing) return;
    for (int i = 0; i < kPropertyValueCount; ++i)
        if (typable(i) && editor.inputs[i].focused) editor.inputs[i].handleEvent(event);
}

void blinkPropertyInputs(PropertyEditor& editor, int seconds) {
    if (!editor.editing) return;
    for (int i = 0; i < kPropertyValueCount; ++i)
        if (typable(i) && editor.inputs[i].focused) editor.inputs[i].blink(seconds);
}
