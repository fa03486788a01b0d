#pragma once
// Switching the one window between full screen and the ordinary window with
// title bar, resize and close buttons.
#include <SFML/Graphics/RenderWindow.hpp>
#include <iosfwd>

// The ordinary window's size and depth, the one the program opens with.
inline const sf::VideoMode kWindowMode(640, 480, 32);

// Makes the window anew in the given mode and style with the program's title.
// Every window asks for vertical sync, which caps a busy frame rate at the
// display's where the driver offers it (elsewhere the library says once that
// it cannot).
void createWindow(sf::RenderWindow& window, const sf::VideoMode& mode, sf::Uint32 style,
                  const sf::ContextSettings& settings = sf::ContextSettings());

// Re-creates the window with the given context settings and the program's
// title: full screen in kWindowMode where the screen offers it, else at the
// screen's own mode (the views then stretch onto it as onto a resized
// window); or the ordinary window in kWindowMode. When the new window cannot
// be made the program falls back to an ordinary window and says so on the
// console, but only the first time (warned remembers it).
// Returns whether the window is full screen afterwards.
bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned);
