#include "support/InterfaceCanvas.h"

#include <cstdlib>

#include "support/RunTree.h"

InterfaceCanvas::InterfaceCanvas(const Program& program)
    : onDisplay_(setenv("DISPLAY", program.display().c_str(), 1) == 0) {
    ready_ = onDisplay_ && font_.loadFromFile(sourceDir() + "/fonts/MF-FangHei-Noncommercial-Regular.ttf") &&
             canvas_.create(640, 480);
    canvas_.setView(sf::View(sf::FloatRect(0.f, 0.f, 800.f, 600.f)));
}

int InterfaceCanvas::differingPixels(const sf::Image& shot, sf::IntRect area, sf::Color background,
                                     std::initializer_list<const sf::Drawable*> items, int tolerance) {
    canvas_.clear(background);
    for (const sf::Drawable* item : items) canvas_.draw(*item);
    canvas_.display();
    const sf::Image drawn = canvas_.getTexture().copyToImage();
    int differing = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            differing += !nearColour(Program::windowPixel(shot, x, y),
                                     drawn.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)), tolerance);
    return differing;
}
