#pragma once
// The looping background music and its transport. On a machine without an
// audio device the music file is still opened (a missing file is a missing
// asset) but no playback call is ever made: the stream would otherwise flood
// the console with audio errors. The transport and the volume are then kept
// here alone, so the settings page shows them all the same.
#include <SFML/Audio/Music.hpp>
#include <iosfwd>

// The loudest volume, at which the music starts.
constexpr float kFullVolume = 100.f;

enum class Transport { Playing, Paused, Stopped };

struct BackgroundMusic {
    sf::Music music;
    bool soundAvailable = false;
    Transport transport = Transport::Playing;  // the last transport command
    float volume = kFullVolume;                // kept for a machine without sound
};

// Whether the music has a device to play on. The audio library opens the
// default device when its first sound object is made, so this is asked once
// at start-up while the music exists. Opening the device a second time to
// find out would fail on a device that takes one user only, and would
// truncate the file of a device that writes to one.
bool audioDeviceAvailable();

// Full volume, looping, playing; or one console line saying there is no sound.
void startMusic(BackgroundMusic& background, std::ostream& console);

// Play resumes after a pause and starts from the beginning after a stop.
void pauseMusic(BackgroundMusic& background);
void playMusic(BackgroundMusic& background);
void stopMusic(BackgroundMusic& background);

// Sets the volume (0 to kFullVolume) and returns the volume the music reports
// back.
float setMusicVolume(BackgroundMusic& background, float volume);
