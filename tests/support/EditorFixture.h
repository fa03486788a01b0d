#pragma once
// The App on the administrator screen with helpers for the map editor's
// panels: pressing their switches, buttons and inputs, reading the rows of
// the map files the editor writes.
#include <string>
#include <vector>

#include "support/AppFixture.h"

class EditorFixture : public AppFixture {
protected:
    // A click in the middle of a switch's rectangle or a field's box.
    void clickToggle(const ToggleButton& button);
    void clickBox(const sf::RectangleShape& box);
    // A click on a text button's glyphs.
    void clickButton(const TextButton& button) { click(buttonPixel(button)); }
    // Opens the drawing panel and switches a mode on.
    void openDrawingPanel();
    // Selects spot or road n with a plain click and presses 编辑.
    void editSpot(int n);
    void editRoad(int n);
    // Focuses an input of the property panel, erases it and types the text.
    void retype(PropertyInput input, const std::wstring& text);

    // The fields of line n of the working directory's spots or roads file.
    std::vector<std::string> spotsFileRow(int n) const;
    std::vector<std::string> roadsFileRow(int n) const;
    std::string spotsFile() const;
    std::string roadsFile() const;

    // The status message as it stands: visible, with this text and colour.
    ::testing::AssertionResult statusShows(const wchar_t* text, sf::Color colour) const;
    // The colour the last frame shows at an interface point.
    sf::Color colourAt(const sf::Image& shot, sf::Vector2f interfacePoint) const;
};
