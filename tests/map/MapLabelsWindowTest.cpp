// The spots' names on the map in the App: drawn under their circles at one
// size on screen whatever the zoom, the selected and routed spots' first,
// and never taking a click.
#include <gtest/gtest.h>
#include <vector>

#include "map/HitTest.h"
#include "settings/HelpTexts.h"
#include "support/AppFixture.h"

namespace {

const sf::IntRect kMapArea(0, 0, 400, 480);

int darkPixels(const sf::Image& shot, const sf::FloatRect& box) {
    int count = 0;
    for (int y = static_cast<int>(box.top); y < box.top + box.height; ++y)
        for (int x = static_cast<int>(box.left); x < box.left + box.width; ++x) {
            const sf::Color c = shot.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            count += c.r < 60 && c.g < 60 && c.b < 60;
        }
    return count;
}

}  // namespace

class MapLabelsWindow : public AppFixture {
protected:
    std::vector<int> shownNames() const {
        std::vector<int> shown;
        for (int n = 1; n <= probe().map.spotCount; ++n)
            if (probe().labels.shown[n]) shown.push_back(n);
        return shown;
    }
};

TEST_F(MapLabelsWindow, NamesShowUnderTheirSpotsAtOneSizeAndAllAtTheClosestZoom) {
    AppProbe a = startAsUser();
    const sf::Image shot = frame();
    const std::vector<int> shown = shownNames();
    EXPECT_GE(2 * static_cast<int>(shown.size()), a.map.spotCount);
    for (int n : shown) {
        const sf::FloatRect box = a.labels.spots[n].box;
        EXPECT_NEAR(box.left + box.width / 2.f, spotPixel(n).x, 1.f) << "spot " << n;
        EXPECT_GT(box.top, spotPixel(n).y + 15) << "below the circle";
        // The letters, their 2-pixel outline aside, are at least 12 pixels high.
        EXPECT_GE(box.height - 4.f, 12.f) << "spot " << n;
        if (kMapArea.contains(sf::Vector2i(box.left + box.width, box.top + box.height))) {
            EXPECT_GT(darkPixels(shot, box), 20) << "spot " << n << "'s name is drawn";
        }
    }

    const sf::FloatRect before = a.labels.spots[shown.front()].box;
    scrollWheel(1.f, 25);
    ASSERT_FLOAT_EQ(a.views.zoom, kMinZoom);
    frame();
    EXPECT_EQ(static_cast<int>(shownNames().size()), a.map.spotCount);
    const sf::FloatRect after = a.labels.spots[shown.front()].box;
    EXPECT_EQ(sf::Vector2f(after.width, after.height), sf::Vector2f(before.width, before.height)) << "never scaled";
}

TEST_F(MapLabelsWindow, TheSelectedSpotAndARoutesSpotsGetTheirNamesFirst) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    scrollWheel(-1.f, 11);
    ASSERT_FLOAT_EQ(a.views.zoom, kMaxZoom);
    frame();
    // At the farthest zoom the names crowd: those of 老街面馆 (2) and
    // 惠民超市 (4) yield to names placed before them.
    ASSERT_FALSE(a.labels.shown[2]);
    ASSERT_FALSE(a.labels.shown[4]);

    click(spotPixel(4));
    frame();
    EXPECT_TRUE(a.labels.shown[4]) << "the selected spot's name";

    // The route 2 -> 3 -> 4: its names go before 1's and 5's; 3's yields
    // only to the other route names.
    shiftClick(spotPixel(2));
    shiftClick(spotPixel(4));
    ASSERT_EQ(outlinedSpots(), (std::vector<int>{2, 3, 4}));
    frame();
    EXPECT_TRUE(a.labels.shown[2]);
    EXPECT_TRUE(a.labels.shown[4]);
    if (!a.labels.shown[3]) {
        const sf::FloatRect& box = a.labels.spots[3].box;
        EXPECT_TRUE(box.intersects(a.labels.spots[2].box) || box.intersects(a.labels.spots[4].box));
    }
}

TEST_F(MapLabelsWindow, AClickOnANameIsAClickOnWhatLiesUnderIt) {
    AppProbe a = startAsUser();
    frame();
    sf::Vector2i overEmptyMap(-1, -1);
    sf::Vector2i overRoad(-1, -1);
    int road = 0;
    for (int n : shownNames()) {
        const sf::FloatRect box = a.labels.spots[n].box;
        for (int y = static_cast<int>(box.top) + 1; y < box.top + box.height - 1; ++y)
            for (int x = static_cast<int>(box.left) + 1; x < box.left + box.width - 1; ++x) {
                const sf::Vector2i pixel(x, y);
                if (!kMapArea.contains(pixel)) continue;
                if (nothingAt(pixel)) overEmptyMap = pixel;
                bool onSpot = false;
                for (int s = 1; s <= a.map.spotCount; ++s) onSpot = onSpot || spotContains(a.map.spots[s], mapPoint(pixel));
                for (int r = 1; r <= a.map.roadCount && !onSpot; ++r)
                    if (roadContains(a.map.roads[r], mapPoint(pixel))) {
                        overRoad = pixel;
                        road = r;  // the last road hit wins, as in a click
                    }
            }
    }
    ASSERT_NE(road, 0) << "a name drawn over a road";
    ASSERT_NE(overEmptyMap.x, -1) << "a name drawn over empty map";

    click(overRoad);
    EXPECT_EQ(a.selection.kind, SelectedKind::Road);
    EXPECT_EQ(a.selection.roadNumber, road);
    EXPECT_EQ(a.panel.title.getString(), L"道路状况");

    click(overEmptyMap);
    EXPECT_FALSE(anythingSelected(a.selection));
    EXPECT_EQ(a.panel.body.getString(), kHelpText);
}
