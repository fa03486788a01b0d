#pragma once
// What a sound device that writes to a file has written: a small reader of
// RIFF WAVE files (16-bit integer or 32-bit float samples, plain or
// extensible format), the decoded music to compare with, and the measures
// the music tests take.
#include <cstddef>
#include <string>
#include <vector>

struct WaveChannel {
    int rate = 0;
    std::vector<float> samples;  // the first channel, -1 to 1
};

// Reads the first channel of a WAVE file. A file still being written may
// give no data size yet: its data then runs to the end of the file, whole
// frames only. False when the file is missing or not a WAVE file of these
// sample types.
bool readWaveChannel(const std::string& path, WaveChannel& out);

// The first channel of a sound file the audio library decodes (such as the
// Ogg music), -1 to 1.
bool decodeFirstChannel(const std::string& path, WaveChannel& out);

// Root mean square of samples [from, from + count), clipped to the data.
double rms(const std::vector<float>& samples, std::size_t from, std::size_t count);

// Where a stretch of the output, [from, from + count), lies in the music:
// the music sample at which it matches best (highest normalised
// correlation), the correlation and the gain, output over music.
struct MusicMatch {
    std::size_t position = 0;
    double correlation = 0;
    double gain = 0;
};
MusicMatch locateInMusic(const std::vector<float>& music, const std::vector<float>& output, std::size_t from,
                         std::size_t count);
