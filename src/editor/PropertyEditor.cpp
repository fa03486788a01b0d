// The property panel's widgets: building them, laying them out for a spot or
// a road, showing the values, hover and drawing.
#include "editor/PropertyEditor.h"

#include "base/TextConvert.h"
#include "editor/PropertyLayout.h"

namespace {

constexpr unsigned kLabelSize = 30;

sf::Text label(const sf::Font& font, sf::Vector2f position) {
    sf::Text text(L"", font, kLabelSize);
    text.setFillColor(sf::Color::Black);
    text.setPosition(position);
    return text;
}

TextField input(const sf::Font& font, sf::Vector2f position, sf::Vector2f boxSize, unsigned maxLength,
                sf::Uint32 lowest, sf::Uint32 highest) {
    TextField field;
    field.text = label(font, position);
    field.box.setPosition(position);
    field.box.setSize(boxSize);
    field.box.setFillColor(sf::Color::White);
    field.box.setOutlineColor(sf::Color::Red);
    field.box.setOutlineThickness(0.f);
    field.maxLength = maxLength;
    field.lowest = lowest;
    field.highest = highest;
    return field;
}

TextField numberInput(const sf::Font& font, sf::Vector2f position, sf::Vector2f boxSize, unsigned maxLength) {
    return input(font, position, boxSize, maxLength, kLowestNumberCharacter, kHighestNumberCharacter);
}

void place(TextField& field, sf::Vector2f position) {
    field.text.setPosition(position);
    field.box.setPosition(position);
}

void layOut(PropertyEditor& editor, SelectedKind kind) {
    const PropertyLayout& layout = propertyLayout(kind);
    editor.kind = kind;
    for (std::size_t i = 0; i < editor.labels.size(); ++i) editor.labels[i].setString(layout.labels[i]);
    editor.inputs[kTypeInput].box.setSize(layout.typeBox);
    for (PropertyInput place : {kPlaceFirstInput, kPlaceSecondInput}) {
        TextField& field = editor.inputs[place];
        ::place(field, place == kPlaceFirstInput ? layout.placeFirst : layout.placeSecond);
        field.box.setSize(layout.placeBox);
        field.maxLength = layout.placeMaxLength;
    }
}

}  // namespace

void buildPropertyEditor(PropertyEditor& editor, const sf::Font& font) {
    const float labelY[] = {70.f, 120.f, 170.f, 220.f, 270.f};
    for (std::size_t i = 0; i < editor.labels.size(); ++i) editor.labels[i] = label(font, {510.f, labelY[i]});
    editor.numberLabel = label(font, {650.f, 70.f});
    editor.numberLabel.setString(L"序号:[\t ]");
    editor.number = label(font, {730.f, 70.f});

    const sf::Vector2f height(0.f, 40.f);
    const PropertyLayout& spot = propertyLayout(SelectedKind::Spot);
    editor.inputs[kTypeInput] = input(font, {580.f, 70.f}, spot.typeBox, 0, 0, 0);
    editor.inputs[kNameInput] = input(font, {580.f, 120.f}, {200.f, 40.f}, 4, 0, 0xFFFFFFFF);
    editor.inputs[kPlaceFirstInput] = numberInput(font, spot.placeFirst, spot.placeBox, spot.placeMaxLength);
    editor.inputs[kPlaceSecondInput] = numberInput(font, spot.placeSecond, spot.placeBox, spot.placeMaxLength);
    editor.inputs[kMeasureInput] = numberInput(font, {580.f, 220.f}, {175.f, 40.f}, 3);
    editor.inputs[kGradeInput] = numberInput(font, {640.f, 270.f}, {65.f, 40.f}, 1);

    const TextButton model = makeLargeButton(font, L"");
    editor.editButton = copyButton(model, L"编辑", {640.f, 370.f});
    editor.deleteButton = copyButton(model, L"删除", {640.f, 440.f});
    editor.confirmButton = copyButton(model, L"确定", {580.f, 370.f});
    editor.cancelButton = copyButton(model, L"取消", {720.f, 370.f});

    const TextField& type = editor.inputs[kTypeInput];
    for (int k = 0; k < kMaxTypeOptions; ++k) {
        TypeOption& option = editor.options[k];
        option.box = type.box;
        option.box.setOutlineThickness(5.f);
        option.text = type.text;
        const sf::Vector2f position = type.box.getPosition() + height * static_cast<float>(k + 1);
        option.box.setPosition(position);
        option.text.setPosition(position);
    }
    layOut(editor, SelectedKind::Spot);
}

void showPropertyValues(PropertyEditor& editor, const PropertyValues& values) {
    layOut(editor, values.kind);
    editor.number.setString(narrowToWide(intToText(values.number)));
    editor.editing = false;
    editor.listOpen = false;
    const auto shown = inputOrder(values);
    for (int i = 0; i < kPropertyValueCount; ++i) setFieldContent(editor.inputs[i], *shown[i]);
    editor.inputs[kMeasureInput].text.setString(values.measure + values.measureUnit);
    editor.inputs[kGradeInput].text.setString(values.grade + values.gradeUnit);
}

void hoverPropertyButtons(PropertyEditor& editor, sf::Vector2f point) {
    applyHover(editor.editButton, point);
    applyHover(editor.confirmButton, point);
    applyHover(editor.cancelButton, point);
    applyHover(editor.deleteButton, point);
}

void drawPropertyPanel(sf::RenderTarget& target, const PropertyEditor& editor, const StatusMessage& status) {
    if (editor.editing) {
        for (const TextField& field : editor.inputs) target.draw(field.box);
        target.draw(editor.confirmButton);
        target.draw(editor.cancelButton);
    } else {
        target.draw(editor.editButton);
        target.draw(editor.deleteButton);
    }
    if (editor.kind == SelectedKind::Spot) {
        target.draw(editor.numberLabel);
        target.draw(editor.number);
    }
    for (const sf::Text& text : editor.labels) target.draw(text);
    for (const TextField& field : editor.inputs) target.draw(field.text);
    drawStatus(target, status);
    if (!editor.editing || !editor.listOpen) return;
    for (int k = 0; k <= editor.lastOption; ++k) {
        target.draw(editor.options[k].box);
        target.draw(editor.options[k].text);
    }
}
