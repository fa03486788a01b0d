#include "support/ShownWindow.h"

#include <gtest/gtest.h>
// After gtest and SFML: Xlib's macros (None, Bool, Status) clash with them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

sf::Image shownImage(const sf::Window& window) {
    static Display* display = XOpenDisplay(nullptr);
    const sf::Vector2u size = window.getSize();
    sf::Image shot;
    shot.create(size.x, size.y, sf::Color::Black);
    XImage* image = display ? XGetImage(display, window.getSystemHandle(), 0, 0, size.x, size.y, AllPlanes, ZPixmap)
                            : nullptr;
    if (!image) {
        ADD_FAILURE() << "cannot read the window from the X server";
        return shot;
    }
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x) {
            const unsigned long pixel = XGetPixel(image, static_cast<int>(x), static_cast<int>(y));
            shot.setPixel(x, y, sf::Color((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff));
        }
    XDestroyImage(image);
    return shot;
}
