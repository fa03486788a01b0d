#pragma once
// Everything loaded from disk at start-up, kept for the whole run.
#include <SFML/Graphics.hpp>

#include "map/Spot.h"
#include "settings/BackgroundMusic.h"

struct Assets {
    sf::Texture qrC;  // resource/c.txt (an image despite the name)
    sf::Texture qrB;
    sf::Texture qrA;
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
