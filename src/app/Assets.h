#pragma once
// Everything loaded from disk at start-up, kept for the whole run.
#include <SFML/Graphics.hpp>

#include "accounts/QrPage.h"
#include "map/Spot.h"
#include "settings/BackgroundMusic.h"

struct Assets {
    // The QR codes are image files despite their names.
    sf::Texture vipPaymentCode;       // resource/c.txt
    sf::Texture recoveryPaymentCode;  // resource/b.txt
    sf::Texture friendCode;           // resource/a.txt
    sf::Texture market;
    sf::Texture food;
    sf::Texture bank;
    sf::Texture hotel;
    BackgroundMusic background;
    sf::Font font;
};

// Loads the three QR images, the four type pictures and opens the music, in
// this order, stopping at the first that fails. Returns whether all loaded.
bool loadAssetChain(Assets& assets);

SpotTextures spotTextures(const Assets& assets);
QrTextures qrTextures(const Assets& assets);
