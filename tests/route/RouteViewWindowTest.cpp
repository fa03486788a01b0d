// A found route in view: the map view moves, and zooms out only as far as
// needed, when a spot of the route is out of sight, before the animation
// draws; at the start-up view no route moves it.
#include <gtest/gtest.h>

#include "support/AppFixture.h"

class RouteViewWindow : public AppFixture {};

TEST_F(RouteViewWindow, ARouteOutOfSightIsBroughtIntoViewBeforeItGrows) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    for (int start = 1; start <= a.map.spotCount; ++start)
        for (int end = 1; end <= a.map.spotCount; ++end) {
            if (start == end) continue;
            shiftClick(spotPixel(start));
            shiftClick(spotPixel(end));
            ASSERT_EQ(a.views.mapView.getCenter(), kHomeCentre) << start << " -> " << end;
            ASSERT_EQ(a.views.zoom, kHomeZoom) << start << " -> " << end;
        }

    // 东湖支行 (11) -> 小面馆 (25), picked zoomed in with the map moved between.
    a.routeAnimation = true;
    scrollWheel(1.f, 10);
    a.views.mapView.setCenter(100.f, 450.f);
    shiftClick(spotPixel(11));
    a.views.mapView.setCenter(600.f, 700.f);
    std::vector<sf::Vector2f> centreAtPause;
    onSleep = [&](int) { centreAtPause.push_back(a.views.mapView.getCenter()); };
    shiftClick(spotPixel(25));
    ASSERT_EQ(centreAtPause.size(), 6u);
    for (const sf::Vector2f& centre : centreAtPause) EXPECT_EQ(centre, a.views.mapView.getCenter());
    const sf::Vector2f reach(35.f, 35.f);  // a routed circle with its outline
    for (int n : {11, 16, 17, 22, 23, 24, 25}) {
        const sf::IntRect area(0, 0, 400, 480);
        EXPECT_TRUE(area.contains(mapPixel(a.map.spots[n].centre() - reach)) &&
                    area.contains(mapPixel(a.map.spots[n].centre() + reach)))
            << "spot " << n;
    }
    // Zoomed out just enough: the route, wider than high, spans the area
    // less a 24-pixel margin on either side.
    EXPECT_NEAR(mapPixel(a.map.spots[11].centre() - reach).x, 24, 1);
    EXPECT_NEAR(mapPixel(a.map.spots[25].centre() + reach).x, 376, 1);
}
