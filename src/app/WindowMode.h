#pragma once
// Switching the one window between full screen and a 640 x 480 window with
// title bar, resize and close buttons.
#include <SFML/Graphics/RenderWindow.hpp>
#include <iosfwd>

// Re-creates the window with the given context settings and the program's
// title: full screen at 640 x 480 and 32 bits per pixel where the screen
// offers it, else at the screen's own mode (the views then stretch onto it
// as onto a resized window); or the ordinary 640 x 480 window. When the new
// window cannot be made the program falls back to an ordinary window and
// says so on the console, but only the first time (warned remembers it).
// Returns whether the window is full screen afterwards.
bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned);
