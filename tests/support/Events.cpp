#include "support/Events.h"

namespace {

sf::Event button(sf::Event::EventType type, int x, int y, sf::Mouse::Button which) {
    sf::Event event;
    event.type = type;
    event.mouseButton.button = which;
    event.mouseButton.x = x;
    event.mouseButton.y = y;
    return event;
}

}  // namespace

sf::Event mousePress(int x, int y, sf::Mouse::Button which) {
    return button(sf::Event::MouseButtonPressed, x, y, which);
}

sf::Event mouseRelease(int x, int y, sf::Mouse::Button which) {
    return button(sf::Event::MouseButtonReleased, x, y, which);
}

sf::Event mouseMove(int x, int y) {
    sf::Event event;
    event.type = sf::Event::MouseMoved;
    event.mouseMove.x = x;
    event.mouseMove.y = y;
    return event;
}

sf::Event wheel(float delta, int x, int y) {
    sf::Event event;
    event.type = sf::Event::MouseWheelScrolled;
    event.mouseWheelScroll.wheel = sf::Mouse::VerticalWheel;
    event.mouseWheelScroll.delta = delta;
    event.mouseWheelScroll.x = x;
    event.mouseWheelScroll.y = y;
    return event;
}

sf::Event keyPress(sf::Keyboard::Key key) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = sf::Event::KeyEvent{key, false, false, false, false};
    return event;
}

sf::Event textEntered(sf::Uint32 character) {
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = character;
    return event;
}

sf::Event closedEvent() {
    sf::Event event;
    event.type = sf::Event::Closed;
    return event;
}
