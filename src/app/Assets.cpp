#include "app/Assets.h"

bool loadAssetChain(Assets& assets) {
    return assets.qrC.loadFromFile("resource/c.txt") && assets.qrB.loadFromFile("resource/b.txt") &&
           assets.qrA.loadFromFile("resource/a.txt") && assets.market.loadFromFile("resource/market.jpg") &&
           assets.food.loadFromFile("resource/food.jpg") && assets.bank.loadFromFile("resource/bank.jpg") &&
           assets.hotel.loadFromFile("resource/hotel.jpg") &&
           assets.background.music.openFromFile("resource/main.ogg");
}

SpotTextures spotTextures(const Assets& assets) {
    return SpotTextures{&assets.hotel, &assets.bank, &assets.food, &assets.market};
}
