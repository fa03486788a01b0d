#pragma once
// What a user name and a password may hold: the limits the login screen's
// fields and the user table's cells are given, and the registration and
// save checks keep.
#include <SFML/Config.hpp>

// The fields take a character while they hold at most this many, so a user
// name or password has at most one character more.
constexpr unsigned kAccountFieldMaxLength = 6;

// The highest character code the login's password field takes (ASCII), so a
// stored password with any higher one could never be typed to log in.
constexpr sf::Uint32 kHighestPasswordCode = 127;
