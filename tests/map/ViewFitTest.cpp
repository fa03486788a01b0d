// Bringing a map rectangle into the map area left of the side panel: the
// least move, and the least zoom out within the limits.
#include <gtest/gtest.h>
#include <vector>

#include "map/MapView.h"

namespace {

const sf::Vector2f kBaseSize(640.f, 480.f);  // the start-up window
const ViewPlace kHome{kHomeCentre, kHomeZoom};

bool inside(const sf::FloatRect& outer, const sf::FloatRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

}  // namespace

TEST(ViewFit, TheMapAreaAtHomeIsLeftOfThePanel) {
    const sf::FloatRect area = mapArea(kHome, kBaseSize);
    EXPECT_EQ(area, sf::FloatRect(-190.f, -30.f, 800.f, 960.f));
}

TEST(ViewFit, MovesAndZoomsOnlyAsFarAsNeeded) {
    struct Case {
        const char* what;
        ViewPlace place;
        sf::FloatRect route;
        ViewPlace expected;
    };
    const std::vector<Case> cases{
        {"in sight: nothing moves", kHome, {-160.f, 0.f, 760.f, 900.f}, kHome},
        // The right edge 670 ends 48 units (24 pixels) left of the panel.
        {"past the panel: moved right, same zoom", kHome, {600.f, 400.f, 70.f, 70.f}, {{558.f, 450.f}, 2.f}},
        // 1000 units fill the 400-pixel area less its margins: zoom 1000 / 352.
        {"too wide: zoomed out to fit", kHome, {-100.f, 0.f, 1000.f, 100.f}, {{740.909f, 450.f}, 2.840909f}},
        {"too wide even at the limit: centred", kHome, {0.f, 0.f, 2000.f, 100.f}, {{1360.f, 450.f}, kMaxZoom}},
        {"zoomed in, small route in sight", {kHomeCentre, 0.5f}, {300.f, 340.f, 50.f, 50.f}, {kHomeCentre, 0.5f}},
        {"zoomed in, small route aside: never zooms in", {kHomeCentre, 0.5f}, {100.f, 340.f, 50.f, 50.f},
         {{248.f, 448.f}, 0.5f}},
        {"above the view: moved up", kHome, {0.f, -200.f, 70.f, 70.f}, {{450.f, 232.f}, 2.f}},
    };
    for (const Case& c : cases) {
        const ViewPlace fitted = fitView(c.place, kBaseSize, c.route);
        EXPECT_NEAR(fitted.zoom, c.expected.zoom, 1e-4f) << c.what;
        EXPECT_NEAR(fitted.centre.x, c.expected.centre.x, 0.01f) << c.what;
        EXPECT_NEAR(fitted.centre.y, c.expected.centre.y, 0.01f) << c.what;
        if (fitted.zoom < kMaxZoom) {
            EXPECT_TRUE(inside(mapArea(fitted, kBaseSize), c.route)) << c.what;
        }
    }
}
