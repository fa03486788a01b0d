// Bringing a map rectangle into the map area left of the side panel: the
// least move, and the least zoom out within the limits.
#include <gtest/gtest.h>

#include "map/MapView.h"

TEST(ViewFit, MovesAndZoomsOnlyAsFarAsNeeded) {
    const sf::Vector2f base(640.f, 480.f);  // the start-up window; at home the area is x -190..610, y -30..930
    const ViewPlace home{kHomeCentre, kHomeZoom};
    const ViewPlace close{kHomeCentre, 0.5f};
    struct Case {
        const char* what;
        ViewPlace place;
        sf::FloatRect route;
        ViewPlace expected;
    };
    const Case cases[] = {
        {"in sight: nothing moves", home, {-160.f, 0.f, 760.f, 900.f}, home},
        // The right edge 670 ends 48 units (24 pixels) left of the panel.
        {"past the panel: moved, same zoom", home, {600.f, 400.f, 70.f, 70.f}, {{558.f, 450.f}, 2.f}},
        {"above the view: moved up", home, {0.f, -200.f, 70.f, 70.f}, {{450.f, 232.f}, 2.f}},
        // 1000 units fill the 400-pixel area less its margins: zoom 1000 / 352.
        {"too wide: zoomed out to fit", home, {-100.f, 0.f, 1000.f, 100.f}, {{740.909f, 450.f}, 2.840909f}},
        {"too wide even at the limit: centred", home, {0.f, 0.f, 2000.f, 100.f}, {{1360.f, 450.f}, kMaxZoom}},
        {"zoomed in, in sight", close, {300.f, 340.f, 50.f, 50.f}, close},
        {"zoomed in, aside: moved, never zoomed in", close, {100.f, 340.f, 50.f, 50.f}, {{248.f, 448.f}, 0.5f}},
    };
    for (const Case& c : cases) {
        const ViewPlace fitted = fitView(c.place, base, c.route);
        EXPECT_NEAR(fitted.zoom, c.expected.zoom, 1e-4f) << c.what;
        EXPECT_NEAR(fitted.centre.x, c.expected.centre.x, 0.01f) << c.what;
        EXPECT_NEAR(fitted.centre.y, c.expected.centre.y, 0.01f) << c.what;
    }
}
