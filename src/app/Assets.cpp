#include "app/Assets.h"

bool loadAssetChain(Assets& assets) {
    return assets.vipPaymentCode.loadFromFile("resource/c.txt") &&
           assets.recoveryPaymentCode.loadFromFile("resource/b.txt") && assets.friendCode.loadFromFile("resource/a.txt") && assets.market.loadFromFile("resource/market.jpg") &&
           assets.food.loadFromFile("resource/food.jpg") && assets.bank.loadFromFile("resource/bank.jpg") &&
           assets.hotel.loadFromFile("resource/hotel.jpg") &&
           assets.background.music.openFromFile("resource/main.ogg");
}

SpotTextures spotTextures(const Assets& assets) {
    return SpotTextures{&assets.hotel, &assets.bank, &assets.food, &assets.market};
}

QrTextures qrTextures(const Assets& assets) {
    return QrTextures{assets.vipPaymentCode, assets.recoveryPaymentCode, assets.friendCode};
}
