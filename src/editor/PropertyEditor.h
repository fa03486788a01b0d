#pragma once
// The property panel of the selected spot or road on the administrator
// screen: its six values under their labels, with 编辑 and 删除; while
// editing, a type list and five text inputs with 确定 and 取消 (what presses
// and keys do is in editor/PropertyEditing.h). Interface-view units.
#include <SFML/Graphics.hpp>
#include <array>

#include "editor/PropertyValues.h"
#include "editor/StatusMessage.h"
#include "widgets/TextButton.h"
#include "widgets/TextField.h"

// The inputs in the order of the values: the type list's box, the name, the
// place pair, the measure and the grade. The first takes no typing.
enum PropertyInput { kTypeInput, kNameInput, kPlaceFirstInput, kPlaceSecondInput, kMeasureInput, kGradeInput };

constexpr int kMaxTypeOptions = 4;

struct TypeOption {
    sf::RectangleShape box;
    sf::Text text;
};

struct PropertyEditor {
    SelectedKind kind = SelectedKind::Spot;  // the kind the panel is laid out for
    std::array<sf::Text, 5> labels;          // type, name, place, measure, grade
    sf::Text numberLabel;                    // spots only
    sf::Text number;
    std::array<TextField, kPropertyValueCount> inputs;
    TextButton editButton;
    TextButton deleteButton;
    TextButton confirmButton;
    TextButton cancelButton;
    std::array<TypeOption, kMaxTypeOptions> options;
    int lastOption = 0;  // the index of the last option of the kind: 3 for a spot, 1 for a road
    bool listOpen = false;
    bool editing = false;
};

void buildPropertyEditor(PropertyEditor& editor, const sf::Font& font);

// Lays the panel out for the values' kind and shows them, the measure and
// the grade with their units. Ends an edit.
void showPropertyValues(PropertyEditor& editor, const PropertyValues& values);

// The hover look of 编辑, 确定, 取消 and 删除, whether or not they are drawn.
void hoverPropertyButtons(PropertyEditor& editor, sf::Vector2f point);

// The panel's content under the side panel's title, then the status message
// and, while the type list is open, its options.
void drawPropertyPanel(sf::RenderTarget& target, const PropertyEditor& editor, const StatusMessage& status);
