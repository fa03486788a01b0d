#pragma once
// The App in a real window, in its own working directory with a copy of the
// run-time tree, with the keyboard, the sleep, the clock and the console
// replaced by test doubles.
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/App.h"
#include "support/TempDir.h"

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the App; call before startUp() to change the tree first.
    App& createApp();
    // createApp() and a successful start-up.
    App& startApp();

    void send(const sf::Event& event) { app->handleEvent(event); }
    void send(std::initializer_list<sf::Event> events);
    // A left click (press and release) at a window pixel.
    void click(sf::Vector2i pixel, sf::Mouse::Button button = sf::Mouse::Left);
    // A left-Shift click at a window pixel.
    void shiftClick(sf::Vector2i pixel);
    void typeText(const std::wstring& text);

    // Window pixel of a map point or an interface point at the current views.
    sf::Vector2i mapPixel(sf::Vector2f point) const;
    sf::Vector2i interfacePixel(sf::Vector2f point) const;
    // The centre of spot n on the screen.
    sf::Vector2i spotPixel(int n) const;

    // Draws the current screen and reads back what it shows.
    sf::Image frame();

    // Logs in from the login screen with typed name and password.
    void logIn(const std::wstring& name, const std::wstring& password);

    std::string consoleText() const { return console_.str(); }

    TempDir dir;
    std::unique_ptr<App> app;
    std::set<sf::Keyboard::Key> heldKeys;
    std::vector<int> sleeps;
    int seconds = 0;

private:
    std::string previousDir_;
    std::ostringstream console_;
};
