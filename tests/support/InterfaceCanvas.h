#pragma once
// Draws in the test's own process what the program draws through its
// interface view (800 x 600 units on the 640 x 480 window), with the
// program's font and on the program's X display, so a screenshot's text is
// read by comparing it with the same text drawn here.
#include <SFML/Graphics.hpp>
#include <initializer_list>

#include "support/Program.h"

class InterfaceCanvas {
public:
    explicit InterfaceCanvas(const Program& program);
    // False when the font or the drawing surface could not be had.
    bool ready() const { return ready_; }
    const sf::Font& font() const { return font_; }

    // Draws the items over the background and counts the window pixels of
    // the area where the shot differs from that drawing by more than the
    // tolerance in a channel.
    int differingPixels(const sf::Image& shot, sf::IntRect area, sf::Color background,
                        std::initializer_list<const sf::Drawable*> items, int tolerance = 40);

private:
    // Set first: the drawing surface opens the display as it is made.
    bool onDisplay_;
    sf::Font font_;
    sf::RenderTexture canvas_;
    bool ready_ = false;
};
