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

bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned) {
    const sf::VideoMode mode = fullScreen ? fullScreenMode() : kWindowMode;
    window.create(mode, kWindowTitle, fullScreen ? sf::Style::Fullscreen : sf::Style::Default, settings);
    if (usable(window, mode)) return fullScreen;
    if (!warned) console << "无法重新创建窗口，改用普通窗口" << std::endl;
    warned = true;
    window.create(kWindowMode, kWindowTitle, sf::Style::Default, settings);
    return false;
}
