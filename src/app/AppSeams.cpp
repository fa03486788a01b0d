#include "app/AppSeams.h"

#include <SFML/System/Sleep.hpp>
#include <iostream>

AppSeams AppSeams::real() {
    AppSeams seams;
    seams.isKeyPressed = [](sf::Keyboard::Key key) { return sf::Keyboard::isKeyPressed(key); };
    seams.sleep = [](int milliseconds) { sf::sleep(sf::milliseconds(milliseconds)); };
    seams.console = &std::cout;
    return seams;
}
