// Which spot names fit: the placing order, and names left out where they
// would cover a name already placed or another spot's circle.
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "map/LabelPlacement.h"

namespace {

// A spot with a radius-15 circle and a name box centred 2 pixels under it.
LabelSpot spotAt(float x, float y, float width = 40.f) {
    return LabelSpot{sf::FloatRect(x - width / 2.f, y + 17.f, width, width > 0.f ? 18.f : 0.f), {x, y}, 15.f};
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
        LabelSpot second;  // spot 1 is at (100, 100)
        int order[2];
        bool shown[3];
    };
    const Case cases[] = {
        {"apart", spotAt(200, 100), {1, 2}, {false, true, true}},
        {"overlapping names: the first placed", spotAt(130, 100), {1, 2}, {false, true, false}},
        {"overlapping names: order decides", spotAt(130, 100), {2, 1}, {false, false, true}},
        {"a name over another spot's circle", spotAt(100, 140), {1, 2}, {false, false, true}},
        {"a spot without a name", spotAt(130, 100, 0.f), {1, 2}, {false, true, false}},
    };
    for (const Case& c : cases) {
        const LabelSpot spots[3] = {{}, spotAt(100, 100), c.second};
        bool shown[3];
        placeLabels(spots, 2, c.order, shown);
        EXPECT_EQ(shown[1], c.shown[1]) << c.what;
        EXPECT_EQ(shown[2], c.shown[2]) << c.what;
    }
}

TEST(LabelPlacement, OnACrowdedMapNoTwoShownNamesMeet) {
    std::mt19937 random(32);
    std::uniform_real_distribution<float> place(0.f, 400.f);
    std::uniform_real_distribution<float> width(20.f, 90.f);
    LabelSpot spots[kTableRows];
    int order[kTableRows];
    for (int n = 1; n <= kMaxMapObjects; ++n) {
        spots[n] = spotAt(place(random), place(random), width(random));
        order[kMaxMapObjects - n] = n;  // the highest numbers first
    }
    bool shown[kTableRows];
    placeLabels(spots, kMaxMapObjects, order, shown);
    int shownCount = 0;
    for (int n = 1; n <= kMaxMapObjects; ++n) {
        shownCount += shown[n];
        for (int k = n + 1; k <= kMaxMapObjects; ++k)
            EXPECT_FALSE(shown[n] && shown[k] && spots[n].box.intersects(spots[k].box)) << n << " and " << k;
    }
    EXPECT_GT(shownCount, 10);
    EXPECT_LT(shownCount, kMaxMapObjects) << "crowded enough to leave names out";
}
