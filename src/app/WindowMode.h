#pragma once
// Switching the one window between full screen and a window with title bar,
// resize and close buttons, both at 640 x 480 and 32 bits per pixel.
#include <SFML/Graphics/RenderWindow.hpp>
#include <iosfwd>

// Re-creates the window in the mode asked for, with the given context
// settings and the program's title. When full screen at 640 x 480 is not
// offered the window is left as it is; when the new window cannot be made
// the program falls back to an ordinary window. Either failure is written
// to the console, but only the first time (warned remembers it). Returns
// whether the window is full screen afterwards.
bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned);
