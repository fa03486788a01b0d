// Which spot names fit: the placing order, and names left out where they
// would cover a name already placed or another spot's circle.
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "map/LabelPlacement.h"

namespace {

// A spot at a centre with a radius-15 circle and a name box of the given
// size centred 2 pixels under it.
LabelSpot spotAt(float x, float y, float width = 40.f, float height = 18.f) {
    return LabelSpot{sf::FloatRect(x - width / 2.f, y + 17.f, width, height), {x, y}, 15.f};
}

std::vector<int> shownOf(const std::vector<LabelSpot>& spots, const std::vector<int>& order) {
    std::vector<LabelSpot> slots{LabelSpot{}};  // slot 0 unused
    slots.insert(slots.end(), spots.begin(), spots.end());
    bool shown[kTableRows];
    placeLabels(slots.data(), static_cast<int>(spots.size()), order.data(), shown);
    std::vector<int> result;
    for (int n = 1; n <= static_cast<int>(spots.size()); ++n)
        if (shown[n]) result.push_back(n);
    return result;
}

bool meets(const sf::FloatRect& box, const LabelSpot& spot) {
    const float x = std::max(box.left, std::min(spot.centre.x, box.left + box.width));
    const float y = std::max(box.top, std::min(spot.centre.y, box.top + box.height));
    return (x - spot.centre.x) * (x - spot.centre.x) + (y - spot.centre.y) * (y - spot.centre.y) <
           spot.radius * spot.radius;
}

}  // namespace

TEST(LabelPlacement, MarkedSpotsComeFirstThenTheRestInSpotOrder) {
    const bool marked[kTableRows] = {false, false, false, true, false, true, false};
    int order[kTableRows];
    labelOrder(marked, 6, order);
    EXPECT_EQ(std::vector<int>(order, order + 6), (std::vector<int>{3, 5, 1, 2, 4, 6}));
}

TEST(LabelPlacement, WhoWinsWhereNamesOrCirclesMeet) {
    struct Case {
        const char* what;
        std::vector<LabelSpot> spots;
        std::vector<int> order;
        std::vector<int> shown;
    };
    const std::vector<Case> cases{
        {"apart, both", {spotAt(100, 100), spotAt(200, 100)}, {1, 2}, {1, 2}},
        {"overlapping names, the first placed", {spotAt(100, 100), spotAt(130, 100)}, {1, 2}, {1}},
        {"overlapping names, order decides", {spotAt(100, 100), spotAt(130, 100)}, {2, 1}, {2}},
        {"touching edges do not meet", {spotAt(100, 100), spotAt(140, 100)}, {1, 2}, {1, 2}},
        // Spot 2's circle sits just under spot 1's name: that name goes,
        // whatever the order, and spot 2's own name still fits.
        {"a name over another spot's circle", {spotAt(100, 100), spotAt(100, 140)}, {1, 2}, {2}},
        {"a circle over a name placed first", {spotAt(100, 100), spotAt(100, 140)}, {2, 1}, {2}},
        {"a spot without a name", {spotAt(100, 100, 0.f, 0.f), spotAt(130, 100)}, {1, 2}, {2}},
    };
    for (const Case& c : cases) EXPECT_EQ(shownOf(c.spots, c.order), c.shown) << c.what;
}

TEST(LabelPlacement, OnACrowdedMapNoShownNameMeetsAnotherAndEachLeftOutOneHadTo) {
    std::mt19937 random(32);
    std::uniform_real_distribution<float> place(0.f, 400.f);
    std::uniform_real_distribution<float> width(20.f, 90.f);
    LabelSpot spots[kTableRows];
    int order[kTableRows];
    const int count = 99;
    for (int n = 1; n <= count; ++n) {
        spots[n] = spotAt(place(random), place(random), width(random));
        order[count - n] = n;  // the highest numbers first
    }
    bool shown[kTableRows];
    placeLabels(spots, count, order, shown);

    int shownCount = 0;
    for (int i = 0; i < count; ++i) {
        const int n = order[i];
        bool blocked = false;
        for (int k = 1; k <= count; ++k) {
            if (k == n) continue;
            if (meets(spots[n].box, spots[k])) blocked = true;
            if (shown[n] && shown[k]) {
                EXPECT_FALSE(spots[n].box.intersects(spots[k].box)) << n << " and " << k;
            }
        }
        // Left out only for a circle or for a name placed before it.
        for (int j = 0; j < i; ++j) blocked = blocked || (shown[order[j]] && spots[n].box.intersects(spots[order[j]].box));
        EXPECT_NE(shown[n], blocked) << "spot " << n;
        shownCount += shown[n];
    }
    EXPECT_GT(shownCount, 10);
    EXPECT_LT(shownCount, count);
}
