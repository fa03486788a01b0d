#pragma once
// The App in a real window, in its own working directory with a copy of the
// run-time tree, with the keyboard, the sleep, the clock and the console
// replaced by test doubles.
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/App.h"
#include "support/AppProbe.h"
#include "support/TempDir.h"

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the App; call before startUp() to change the tree first.
    AppProbe createApp();
    // createApp() and a successful start-up.
    AppProbe startApp();
    // startApp() and a typed login as the ordinary user 游客 or as the
    // administrator; the login's half-second pause is taken out of sleeps.
    AppProbe startAsUser();
    AppProbe startAsAdmin();
    // The state of the App created last.
    AppProbe probe() const { return AppProbe(*app); }

    // Replaces the spots and roads files of the working directory with the
    // rows of these tables, as the program would write them.
    void writeMapFiles(const TextTable& spots, const TextTable& roads);

    void send(const sf::Event& event) { app->handleEvent(event); }
    void send(std::initializer_list<sf::Event> events);
    // A click (press and release) at a window pixel.
    void click(sf::Vector2i pixel, sf::Mouse::Button button = sf::Mouse::Left);
    // A left-Shift click at a window pixel.
    void shiftClick(sf::Vector2i pixel, sf::Mouse::Button button = sf::Mouse::Left);
    void press(sf::Vector2i pixel, sf::Mouse::Button button = sf::Mouse::Left);
    void release(sf::Vector2i pixel, sf::Mouse::Button button = sf::Mouse::Left);
    void moveMouse(sf::Vector2i pixel);
    // Wheel steps with this delta each.
    void scrollWheel(float delta, int steps = 1);
    void typeText(const std::wstring& text);

    // Window pixel of a map point or an interface point at the current views.
    sf::Vector2i mapPixel(sf::Vector2f point) const;
    sf::Vector2i interfacePixel(sf::Vector2f point) const;
    // The centre of spot n on the screen.
    sf::Vector2i spotPixel(int n) const;
    // The middle of road n's bar on the screen (halfway between its spots).
    sf::Vector2i roadPixel(int n) const;
    // The centre of a button drawn through the interface view.
    sf::Vector2i buttonPixel(const sf::Text& button) const;
    // The map point under a window pixel.
    sf::Vector2f mapPoint(sf::Vector2i pixel) const;
    // True when no spot and no road has its hit area under the pixel.
    bool nothingAt(sf::Vector2i pixel) const;

    // Numbers of the spots and roads that carry an outline.
    std::vector<int> outlinedSpots() const;
    std::vector<int> outlinedRoads() const;

    // Draws the current screen and reads back what it shows.
    sf::Image frame();

    // Logs in from the login screen with typed name and password.
    void logIn(const std::wstring& name, const std::wstring& password);

    std::string consoleText() const { return console_.str(); }

    TempDir dir;
    std::unique_ptr<App> app;
    std::set<sf::Keyboard::Key> heldKeys;
    std::vector<int> sleeps;
    // Called on every sleep after it is recorded, while the App is inside it.
    std::function<void(int milliseconds)> onSleep;
    int seconds = 0;

private:
    AppProbe startLoggedIn(const std::wstring& name, const std::wstring& password, Screen screen);

    std::string previousDir_;
    std::ostringstream console_;
};

namespace sf {
// Wide display strings print as UTF-8 in test failures.
inline void PrintTo(const String& text, std::ostream* out) {
    const std::basic_string<Uint8> utf8 = text.toUtf8();
    *out << '"' << std::string(utf8.begin(), utf8.end()) << '"';
}
}  // namespace sf

// A pixel of the sample map, left of the side panel, where no spot or road is.
const sf::Vector2i kEmptyMapPixel(180, 190);
