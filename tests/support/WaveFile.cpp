#include "support/WaveFile.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

constexpr int kPcm = 1;
constexpr int kFloat = 3;
constexpr int kExtensible = 0xFFFE;

}  // namespace

bool readWaveChannel(const std::string& path, WaveChannel& out) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(&bytes[8], "WAVE", 4) != 0)
        return false;
    int format = 0, channels = 0, bits = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const unsigned char* chunk = &bytes[at];
        const std::size_t size = le32(chunk + 4);
        const std::size_t body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && body + 16 <= bytes.size()) {
            format = le16(&bytes[body]);
            channels = le16(&bytes[body + 2]);
            out.rate = static_cast<int>(le32(&bytes[body + 4]));
            bits = le16(&bytes[body + 14]);
            // The extensible format names the sample type in its sub-format.
            if (format == kExtensible && body + 26 <= bytes.size()) format = le16(&bytes[body + 24]);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            const bool floats = format == kFloat && bits == 32;
            if (!(floats || (format == kPcm && bits == 16)) || channels < 1) return false;
            const std::size_t frameBytes = static_cast<std::size_t>(channels) * bits / 8;
            std::size_t end = size == 0 || body + size > bytes.size() ? bytes.size() : body + size;
            out.samples.clear();
            for (std::size_t f = body; f + frameBytes <= end; f += frameBytes) {
                if (floats) {
                    float value;
                    std::memcpy(&value, &bytes[f], 4);
                    out.samples.push_back(value);
                } else {
                    out.samples.push_back(static_cast<std::int16_t>(le16(&bytes[f])) / 32768.f);
                }
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

bool decodeFirstChannel(const std::string& path, WaveChannel& out) {
    sf::InputSoundFile file;
    if (!file.openFromFile(path)) return false;
    const unsigned channels = file.getChannelCount();
    std::vector<sf::Int16> all(static_cast<std::size_t>(file.getSampleCount()));
    all.resize(static_cast<std::size_t>(file.read(all.data(), all.size())));
    out.rate = static_cast<int>(file.getSampleRate());
    out.samples.clear();
    for (std::size_t i = 0; i < all.size(); i += channels) out.samples.push_back(all[i] / 32768.f);
    return true;
}

double rms(const std::vector<float>& samples, std::size_t from, std::size_t count) {
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = from; i < from + count && i < samples.size(); ++i, ++n) sum += double(samples[i]) * samples[i];
    return n == 0 ? 0 : std::sqrt(sum / n);
}

MusicMatch locateInMusic(const std::vector<float>& music, const std::vector<float>& output, std::size_t from,
                         std::size_t count) {
    MusicMatch best;
    if (from + count > output.size() || count > music.size()) return best;
    double outputEnergy = 0;
    for (std::size_t i = 0; i < count; ++i) outputEnergy += double(output[from + i]) * output[from + i];
    double musicEnergy = 0;  // of music [p, p + count), slid along with p
    for (std::size_t i = 0; i < count; ++i) musicEnergy += double(music[i]) * music[i];
    double bestScore = -2;
    for (std::size_t p = 0; p + count <= music.size(); ++p) {
        if (p > 0) musicEnergy += double(music[p + count - 1]) * music[p + count - 1] - double(music[p - 1]) * music[p - 1];
        if (musicEnergy <= 1e-12 || outputEnergy <= 0) continue;
        double cross = 0;
        for (std::size_t i = 0; i < count; ++i) cross += double(output[from + i]) * music[p + i];
        const double score = cross / std::sqrt(musicEnergy * outputEnergy);
        if (score > bestScore) {
            bestScore = score;
            best = MusicMatch{p, score, cross / musicEnergy};
        }
    }
    return best;
}
