#pragma once
// The find panel (Ctrl+F), drawn in the side panel in place of its content:
// the title "查找地点", a text field with the focus, and the spots the text
// finds (find/FindSpots.h), one a line with its name, type and stars, as
// many as fit and "共 N 处" when there are more; "没有找到" in yellow when
// none. The highlighted line (the first after every change of the text)
// moves with Up and Down, the list following it. Interface-view units.
#include <SFML/Graphics.hpp>

#include "find/FindSpots.h"
#include "widgets/TextField.h"

constexpr int kFindRows = 12;  // the lines the panel lists at once

struct FindRow {
    sf::Text name;
    sf::Text type;
    sf::Text stars;
};

struct FindPanel {
    bool open = false;
    sf::Text title;
    TextField field;
    FindRow rows[kFindRows];
    sf::RectangleShape highlight;  // behind the highlighted line
    sf::Text none;                 // 没有找到
    sf::Text count;                // 共 N 处
    FoundSpots found;
    int highlighted = 0;  // index into found
    int first = 0;        // the index of found listed on the first line
};

// What a key or a click asks of the App.
enum class FindChoice {
    None,
    Close,         // Ctrl+F: the side panel's content comes back
    Select,        // Return or a click: the spot is shown and selected
    PickForRoute,  // Shift+Return or a left-Shift click: the spot is picked for a route
};

struct FindAction {
    FindChoice choice = FindChoice::None;
    int spot = 0;  // the spot number chosen
};

void buildFindPanel(FindPanel& panel, const sf::Font& font);

// Opens the panel with an empty field, focused, and every spot listed.
void openFindPanel(FindPanel& panel, const MapModel& map);

// While the panel is open it takes every key: text and BackSpace edit the
// field (and the list follows), Up and Down move the highlight, Return and
// Ctrl+F ask for the actions above. Nothing happens while it is closed.
FindAction handleFindKeys(FindPanel& panel, const MapModel& map, const sf::Event& event);

// A left press at an interface point: on a listed spot, the spot is
// highlighted and chosen (picked for a route with the left Shift key held).
FindAction handleFindClick(FindPanel& panel, sf::Vector2f point, bool leftShift);

// The line under the pointer is written in white, unless highlighted.
void hoverFindPanel(FindPanel& panel, sf::Vector2f point);

// The caret of the field.
void blinkFindField(FindPanel& panel, int seconds);

// Through the interface view, over the side panel, while open.
void drawFindPanel(sf::RenderTarget& target, const FindPanel& panel);

// Closes the panel; its text is gone.
void resetFindPanel(FindPanel& panel);
