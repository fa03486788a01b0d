#include <gtest/gtest.h>

#include "base/TextConvert.h"
#include "support/MapRows.h"

// Textures need a graphics context, so these run with a display.

TEST(SpotPicture, MatchesTheTypeOrNone) {
    auto map = emptyMap();
    addSpotRow(*map, L"超市", L"惠民超市", 4, 120, 80, "35.5");
    addSpotRow(*map, L"书店", L"旧书店", 2, -30, 0, "7");
    sf::Texture market;
    SpotTextures textures;
    textures.market = &market;
    buildAllSpots(*map, textures);

    const Spot& shop = map->spots[1];
    EXPECT_EQ(shop.circle.getTexture(), &market);
    EXPECT_EQ(shop.circle.getFillColor(), sf::Color::White);  // the picture shows unaltered

    // A type with no picture gives a plain white circle, otherwise complete.
    const Spot& other = map->spots[2];
    EXPECT_EQ(other.circle.getTexture(), nullptr);
    EXPECT_EQ(other.name, L"旧书店");
    EXPECT_EQ(other.getPosition(), sf::Vector2f(-30.f, 0.f));
}

TEST(SpotPicture, RebuildKeepsSelectableAndOutlineButSwitchesPicture) {
    auto map = emptyMap();
    addSpotRow(*map, L"酒店", L"湖畔酒店", 4, 0, 0, "268");
    sf::Texture hotel, bank;
    SpotTextures textures{&hotel, &bank, nullptr, nullptr};
    buildAllSpots(*map, textures);
    Spot& spot = map->spots[1];
    EXPECT_EQ(spot.circle.getTexture(), &hotel);
    spot.selectable = false;
    spot.circle.setOutlineThickness(5.f);

    map->spotTable.rows[0][0] = wideToNarrow(L"银行");
    buildAllSpots(*map, textures);
    EXPECT_EQ(spot.circle.getTexture(), &bank);
    EXPECT_FALSE(spot.selectable);
    EXPECT_FLOAT_EQ(spot.circle.getOutlineThickness(), 5.f);

    map->spotTable.rows[0][0] = wideToNarrow(L"公园");
    buildAllSpots(*map, textures);
    EXPECT_EQ(spot.circle.getTexture(), nullptr);
    map->spotTable.rows[0][0] = wideToNarrow(L"酒店");
    buildAllSpots(*map, textures);
    EXPECT_EQ(spot.circle.getTexture(), &hotel);
}

