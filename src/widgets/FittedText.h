#pragma once
// A message that must end left of some edge: set at its character size, and
// smaller, one step at a time, while it would reach past the edge.
#include <SFML/Graphics/Text.hpp>

// Sets the string at character size `size`, then lowers the size until the
// text's global bounds end at or left of `right`, but not below `smallest`.
void setFittedString(sf::Text& text, const sf::String& string, unsigned size, unsigned smallest, float right);
