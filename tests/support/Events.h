#pragma once
// Synthetic window events for driving the App in tests.
#include <SFML/Window/Event.hpp>

sf::Event mousePress(int x, int y, sf::Mouse::Button button = sf::Mouse::Left);
sf::Event mouseRelease(int x, int y, sf::Mouse::Button button = sf::Mouse::Left);
sf::Event mouseMove(int x, int y);
sf::Event wheel(float delta, int x = 200, int y = 200);
sf::Event keyPress(sf::Keyboard::Key key);
sf::Event textEntered(sf::Uint32 character);
sf::Event closedEvent();
