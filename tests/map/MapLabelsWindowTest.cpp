// The spots' names on the map in the App: drawn under their circles at one
// size whatever the zoom, a route's first, and never taking a click.
#include <gtest/gtest.h>

#include "map/HitTest.h"
#include "support/AppFixture.h"

class MapLabelsWindow : public AppFixture {
protected:
    int shownCount() const {
        int count = 0;
        for (int n = 1; n <= probe().map.spotCount; ++n) count += probe().labels.shown[n];
        return count;
    }
    // A pixel of a shown name's box over road r and no spot; r is 0 if none.
    sf::Vector2i nameOverRoad(int& r) const {
        const AppProbe a = probe();
        for (int n = 1; n <= a.map.spotCount; ++n)
            for (int k = 1; a.labels.shown[n] && k <= a.map.roadCount; ++k) {
                const sf::FloatRect box = a.labels.spots[n].box;
                const sf::Vector2i middle(box.left + box.width / 2, box.top + box.height / 2);
                bool onSpot = false;
                for (int s = 1; s <= a.map.spotCount; ++s) onSpot = onSpot || spotContains(a.map.spots[s], mapPoint(middle));
                if (middle.x < 400 && !onSpot && roadContains(a.map.roads[k], mapPoint(middle))) r = k;
                if (r) return middle;
            }
        return {};
    }
};

TEST_F(MapLabelsWindow, NamesShowUnderTheSpotsTakeNoClickAndARoutesComeFirst) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    const sf::Image shot = frame();
    EXPECT_EQ(shownCount(), a.map.spotCount) << "the start-up view";
    const sf::FloatRect box = a.labels.spots[12].box;
    EXPECT_NEAR(box.left + box.width / 2.f, spotPixel(12).x, 1.f);
    EXPECT_GT(box.top, spotPixel(12).y + 15) << "under the circle";
    EXPECT_GE(box.height - 4.f, 12.f) << "letters at least 12 pixels high, the outline aside";
    const sf::Vector2i letter(box.left + box.width / 2, box.top + box.height / 2);
    int dark = 0;
    for (int x = letter.x - 10; x < letter.x + 10; ++x) dark += shot.getPixel(x, letter.y).r < 60;
    EXPECT_GT(dark, 0) << "black letters drawn";

    int road = 0;
    const sf::Vector2i overRoad = nameOverRoad(road);
    ASSERT_NE(road, 0);
    click(overRoad);
    EXPECT_EQ(a.selection.kind, SelectedKind::Road) << "the click goes to the road under the name";
    EXPECT_EQ(a.selection.roadNumber, road);

    // Zoomed out the names crowd; the route 2 -> 3 -> 4 gets its ends' names.
    scrollWheel(-1.f, 11);
    frame();
    ASSERT_LT(shownCount(), a.map.spotCount);
    ASSERT_FALSE(a.labels.shown[2] || a.labels.shown[4]);
    shiftClick(spotPixel(2));
    shiftClick(spotPixel(4));
    frame();
    EXPECT_TRUE(a.labels.shown[2] && a.labels.shown[4]);

    scrollWheel(1.f, 30);
    frame();
    EXPECT_EQ(shownCount(), a.map.spotCount) << "the closest zoom";
    EXPECT_EQ(a.labels.spots[12].box.height, box.height) << "never scaled";
}
