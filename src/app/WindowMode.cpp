#include "app/WindowMode.h"

#include <ostream>

#include "settings/HelpTexts.h"

namespace {

const sf::VideoMode kWindowMode(640, 480, 32);

void warnOnce(std::ostream& console, bool& warned, const char* message) {
    if (warned) return;
    console << message << std::endl;
    warned = true;
}

bool usable(const sf::RenderWindow& window) {
    return window.isOpen() && window.getSystemHandle() != 0 && window.getSize() == sf::Vector2u(640, 480);
}

}  // namespace

bool switchWindowMode(sf::RenderWindow& window, bool fullScreen, const sf::ContextSettings& settings,
                      std::ostream& console, bool& warned) {
    if (fullScreen && !kWindowMode.isValid()) {
        warnOnce(console, warned, "无法切换到全屏：屏幕不提供 640x480 的全屏模式，窗口保持不变");
        return false;
    }
    window.create(kWindowMode, kWindowTitle, fullScreen ? sf::Style::Fullscreen : sf::Style::Default, settings);
    if (usable(window)) return fullScreen;
    warnOnce(console, warned, "无法重新创建窗口，改用普通窗口");
    window.create(kWindowMode, kWindowTitle, sf::Style::Default, settings);
    return false;
}
