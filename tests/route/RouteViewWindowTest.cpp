// A found route in view: the map view moves, and zooms out only as far as
// needed, when a spot of the route is out of sight, before the animation
// draws; a route in sight moves nothing.
#include <gtest/gtest.h>
#include <vector>

#include "support/AppFixture.h"

namespace {

// The sample map's route from 东湖支行 (11) to 小面馆 (25), and the reach of a
// routed spot's circle with its outline.
const std::vector<int> kRouteSpots{11, 16, 17, 22, 23, 24, 25};
const sf::Vector2f kReach(35.f, 35.f);

bool routeShown(const AppProbe& a) { return a.panel.body.getString().find(L"行走路径是") != sf::String::InvalidPos; }

}  // namespace

class RouteViewWindow : public AppFixture {};

TEST_F(RouteViewWindow, NoRouteMovesTheStartUpView) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    const sf::Vector2f home = a.views.mapView.getCenter();
    int routes = 0;
    for (int start = 1; start <= a.map.spotCount; ++start)
        for (int end = 1; end <= a.map.spotCount; ++end) {
            if (start == end) continue;
            shiftClick(spotPixel(start));
            shiftClick(spotPixel(end));
            routes += routeShown(a);
            ASSERT_EQ(a.views.mapView.getCenter(), home) << start << " -> " << end;
            ASSERT_EQ(a.views.zoom, kHomeZoom) << start << " -> " << end;
        }
    EXPECT_EQ(routes, a.map.spotCount * (a.map.spotCount - 1));
}

TEST_F(RouteViewWindow, ARouteOutOfSightIsBroughtIntoViewBeforeItGrows) {
    AppProbe a = startAsUser();
    scrollWheel(1.f, 10);
    ASSERT_NEAR(a.views.zoom, 1.f, 1e-4f);
    a.views.mapView.setCenter(100.f, 450.f);  // the start in sight
    shiftClick(spotPixel(11));
    a.views.mapView.setCenter(600.f, 700.f);  // the end in sight, the start not
    std::vector<sf::Vector2f> centreAtPause;
    onSleep = [&](int) { centreAtPause.push_back(a.views.mapView.getCenter()); };
    shiftClick(spotPixel(25));
    ASSERT_TRUE(routeShown(a));

    for (int n : kRouteSpots) {
        const sf::Vector2i low = mapPixel(a.map.spots[n].centre() - kReach);
        const sf::Vector2i high = mapPixel(a.map.spots[n].centre() + kReach);
        EXPECT_TRUE(sf::IntRect(0, 0, 400, 480).contains(low) && sf::IntRect(0, 0, 400, 480).contains(high))
            << "spot " << n << " in the map area";
    }
    // Zoomed out just enough: the route, wider than high, spans the map area
    // less a 24-pixel margin on either side.
    EXPECT_GT(a.views.zoom, 1.f);
    EXPECT_NEAR(mapPixel(a.map.spots[11].centre() - kReach).x, 24, 1);
    EXPECT_NEAR(mapPixel(a.map.spots[25].centre() + kReach).x, 376, 1);
    // The view had moved before the first step was drawn.
    ASSERT_EQ(centreAtPause.size(), kRouteSpots.size() - 1);
    for (const sf::Vector2f& centre : centreAtPause) EXPECT_EQ(centre, a.views.mapView.getCenter());
}
