#include "map/Spot.h"

#include "base/TextConvert.h"

namespace {

const sf::Texture* pictureFor(const sf::String& type, const SpotTextures& textures) {
    if (type == kHotelType) return textures.hotel;
    if (type == kBankType) return textures.bank;
    if (type == kFoodType) return textures.food;
    if (type == kMarketType) return textures.market;
    return nullptr;
}

}  // namespace

void buildSpot(Spot& spot, int number, const TextTable& table, const SpotTextures& textures) {
    const TableRow& row = table.rows[number - 1];
    spot.circle.setRadius(kSpotRadius);
    spot.circle.setFillColor(sf::Color::White);
    spot.circle.setOutlineColor(sf::Color::Red);
    spot.number = number;
    spot.type = narrowToWide(row[kSpotType]);
    spot.name = narrowToWide(row[kSpotName]);
    spot.rating = parseInt(row[kSpotRating]);
    spot.setPosition(static_cast<float>(parseInt(row[kSpotX])), static_cast<float>(parseInt(row[kSpotY])));
    spot.cost = parseFloat(row[kSpotCost]);
    // The first texture sets the rectangle to the whole picture; later
    // builds keep it. A spot of another type is a plain white circle, also
    // when its slot showed a picture before the rebuild.
    spot.circle.setTexture(pictureFor(spot.type, textures), false);
}
