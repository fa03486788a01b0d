#pragma once
// What the X server shows of a window: the frame last presented, as the user
// sees it, not what is being drawn. For window tests (linked with Xlib).
#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Window.hpp>

sf::Image shownImage(const sf::Window& window);
