#pragma once
// The map editor's one-line message under the side panel's content: yellow
// prompts, red refusals and failures, green successes. Shared by the drawing
// panel and the property panel. Interface-view units; character size 50, or
// smaller for a message that would not fit beside the window's edge.
#include <SFML/Graphics.hpp>

struct StatusMessage {
    sf::Text text;
    sf::Text prompt;  // yellow, after the text on the same line; empty for most messages
    bool visible = false;
};

void buildStatusMessage(StatusMessage& message, const sf::Font& font);

void showStatus(StatusMessage& message, const sf::String& text, sf::Color colour);
// Follows the visible message with a prompt that still holds (what the mode
// in force asks for next), both written smaller when the line would not fit.
void addStatusPrompt(StatusMessage& message, const sf::String& prompt);
void hideStatus(StatusMessage& message);

// Draws the message while it is visible.
void drawStatus(sf::RenderTarget& target, const StatusMessage& message);

// Draws the visible message over text that fills the panel (the credits, a
// route report): the panel's foot from the top of the message's line down
// is painted in the panel's colour first, so the message reads clearly.
void drawStatusOnPanel(sf::RenderTarget& target, const StatusMessage& message, const sf::RectangleShape& panel);
