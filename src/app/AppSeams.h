#pragma once
// What the App asks of the outside world, injectable so tests can drive it:
// the real-time keyboard, the blocking sleep, the clock's whole seconds and
// the console. The defaults are the real ones.
#include <SFML/Window/Keyboard.hpp>
#include <functional>
#include <iosfwd>

struct AppSeams {
    std::function<bool(sf::Keyboard::Key)> isKeyPressed;
    std::function<void(int milliseconds)> sleep;
    // Whole seconds since the loop started; unset means the App's own clock.
    std::function<int()> wholeSeconds;
    std::ostream* console = nullptr;

    // The keyboard, sf::sleep and std::cout.
    static AppSeams real();
};
