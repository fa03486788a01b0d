#pragma once
// Switching the one window between full screen and a 640 x 480 window with
// title bar, resize and close buttons.
#include <SFML/Graphics/RenderWindow.hpp>
#include <iosfwd>

// The full-screen mode: 640 x 480 at 32 bits per pixel where the screen
// offers it, else the screen's own mode (the views then stretch onto the
// larger window as they do onto a resized one).
sf::VideoMode fullScreenMode();

// Re-creates the window in the mode asked for, with the given context
// settings and the program's title. When the new window cannot be made the
// program falls back to an ordinary window and says so on the console, but
// only the first time (warned remembers it). Returns whether the window is
// full screen afterwards.
bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned);
