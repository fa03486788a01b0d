#pragma once
// A point of interest: a textured circle of radius kSpotRadius plus the
// properties the information panel shows and the route criteria weigh.
#include <SFML/Graphics.hpp>

#include "map/TextTable.h"
#include "map/Vocabulary.h"

constexpr float kSpotRadius = 30.f;
// A customer rating is a whole number of stars within these.
constexpr int kLowestRating = 1;
constexpr int kHighestRating = 5;

// The centre of a spot's circle from the top-left corner its position holds,
// and the corner from the centre.
inline sf::Vector2f spotCentre(sf::Vector2f corner) { return corner + sf::Vector2f(kSpotRadius, kSpotRadius); }
inline sf::Vector2f spotCorner(sf::Vector2f centre) { return centre - sf::Vector2f(kSpotRadius, kSpotRadius); }

// The four type pictures; any pointer may be null (no picture).
struct SpotTextures {
    const sf::Texture* hotel = nullptr;
    const sf::Texture* bank = nullptr;
    const sf::Texture* food = nullptr;
    const sf::Texture* market = nullptr;
};

struct Spot {
    sf::CircleShape circle;  // position = top-left corner of the bounding box
    sf::String ratingUnit = kRatingUnit;
    sf::String costUnit = kCostUnit;
    int number = 0;
    bool selectable = true;
    sf::String type;
    sf::String name;
    int rating = 0;  // whole stars; the editor takes kLowestRating .. kHighestRating
    float cost = 0.f;

    sf::Vector2f getPosition() const { return circle.getPosition(); }
    void setPosition(float x, float y) { circle.setPosition(x, y); }
    sf::Vector2f centre() const { return spotCentre(circle.getPosition()); }
};

// Fills spot number n from row n - 1 of the table. Leaves the selectable
// flag and the outline thickness alone: their owners reset them.
void buildSpot(Spot& spot, int number, const TextTable& table, const SpotTextures& textures);
