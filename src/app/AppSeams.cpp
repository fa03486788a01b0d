#include "app/AppSeams.h"

#include <SFML/System/Sleep.hpp>
#include <iostream>

Platform Platform::real() {
    Platform platform;
    platform.isKeyPressed = [](sf::Keyboard::Key key) { return sf::Keyboard::isKeyPressed(key); };
    platform.sleep = [](int milliseconds) { sf::sleep(sf::milliseconds(milliseconds)); };
    platform.console = &std::cout;
    return platform;
}
