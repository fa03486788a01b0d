#include "find/FindSpots.h"

namespace {

bool isSpace(sf::Uint32 c) { return c == ' ' || c == '\t' || c == 0x3000; }

// Spaces at either end dropped, Latin capitals made small.
sf::String folded(const sf::String& text) {
    std::size_t begin = 0, end = text.getSize();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    sf::String result = text.substring(begin, end - begin);
    for (sf::Uint32& c : result)
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    return result;
}

}  // namespace

FoundSpots findSpots(const MapModel& map, const sf::String& text) {
    const sf::String wanted = folded(text);
    FoundSpots found;
    for (int n = 1; n <= map.spotCount; ++n) {
        const Spot& spot = map.spots[n];
        const bool byName = folded(spot.name).find(wanted) != sf::String::InvalidPos;
        if (byName || (!wanted.isEmpty() && spot.type == wanted)) found.spots[found.count++] = n;
    }
    return found;
}
