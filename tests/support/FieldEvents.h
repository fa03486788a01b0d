#pragma once
// Window events built by hand for driving input fields without a window.
#include <SFML/Window/Event.hpp>

inline sf::Event typed(sf::Uint32 code) {
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = code;
    return event;
}

inline sf::Event keyPressed(sf::Keyboard::Key key) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = sf::Event::KeyEvent{key, false, false, false, false};
    return event;
}

inline sf::Event keyPressed(sf::Keyboard::Key key, bool control, bool shift) {
    sf::Event event = keyPressed(key);
    event.key.control = control;
    event.key.shift = shift;
    return event;
}

inline sf::Event keyReleased(sf::Keyboard::Key key) {
    sf::Event event = keyPressed(key);
    event.type = sf::Event::KeyReleased;
    return event;
}

// Feeds each character of the text as a TextEntered event.
template <typename Field>
void typeText(Field& field, const sf::String& text) {
    for (sf::Uint32 code : text) field.handleEvent(typed(code));
}
