#pragma once
// A road between two spots: a bar kRoadThickness thick from the start spot's
// centre towards the end spot's centre, plus what the route criteria weigh.
#include <SFML/Graphics.hpp>

#include "map/TextTable.h"
#include "map/Vocabulary.h"

constexpr float kRoadThickness = 20.f;

struct Road {
    sf::RectangleShape bar;
    sf::String speedUnit = kSpeedUnit;
    sf::String lengthUnit = kLengthUnit;
    sf::String type;
    sf::String name;
    int endSpot = 0;    // the end the bar points to
    int startSpot = 0;  // the end the bar starts from
    int number = 0;
    float length = 0.f;  // metres
    int speedLimit = 0;  // km/h
    float congestion = 0.f;  // 0..1, drawn afresh at every build
};

// Fills road number n from row n - 1; the caller sets the congestion first.
void buildRoad(Road& road, int number, const TextTable& table);

// Places the bar from the start spot's centre towards the end spot's centre.
// The two points are the spots' positions (top-left corners).
void layBar(Road& road, float thickness, sf::Vector2f endPosition, sf::Vector2f startPosition);

// A fresh congestion coefficient in 0..1 from the C generator, read with the
// 15-bit range the coefficient was designed for.
float randomCongestion();
