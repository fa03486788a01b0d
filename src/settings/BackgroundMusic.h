#pragma once
// The looping background music. On a machine without an audio device the
// music file is still opened (a missing file is a missing asset) but no
// playback call is ever made: the stream would otherwise flood the console
// with audio errors.
#include <SFML/Audio/Music.hpp>
#include <iosfwd>

struct BackgroundMusic {
    sf::Music music;
    bool soundAvailable = false;
};

// Whether the default audio device opens; asked once at start-up.
bool audioDeviceAvailable();

// Volume 100, looping, playing; or one console line saying there is no sound.
void startMusic(BackgroundMusic& background, std::ostream& console);
