#include "app/WindowMode.h"

#include <ostream>

#include "settings/HelpTexts.h"

namespace {

bool usable(const sf::RenderWindow& window, const sf::VideoMode& mode) {
    return window.isOpen() && window.getSystemHandle() != 0 &&
           window.getSize() == sf::Vector2u(mode.width, mode.height);
}

sf::VideoMode fullScreenMode() { return kWindowMode.isValid() ? kWindowMode : sf::VideoMode::getDesktopMode(); }

}  // namespace

void createWindow(sf::RenderWindow& window, const sf::VideoMode& mode, sf::Uint32 style,
                  const sf::ContextSettings& settings) {
    window.create(mode, kWindowTitle, style, settings);
    window.setVerticalSyncEnabled(true);
}

bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned) {
    const sf::VideoMode mode = fullScreen ? fullScreenMode() : kWindowMode;
    createWindow(window, mode, fullScreen ? sf::Style::Fullscreen : sf::Style::Default, settings);
    if (usable(window, mode)) return fullScreen;
    if (!warned) console << "无法重新创建窗口，改用普通窗口" << std::endl;
    warned = true;
    createWindow(window, kWindowMode, sf::Style::Default, settings);
    return false;
}
