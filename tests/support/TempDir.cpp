#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <random>

// Windows has no mkdtemp: random names are tried until a folder is new.
// Under wine "/tmp" is the Linux machine's /tmp.
TempDir::TempDir(const std::string& parent) {
    std::filesystem::create_directories(parent);
    std::random_device entropy;
    std::mt19937 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = parent + "/navtest-" + std::to_string(random());
        if (std::filesystem::create_directory(path_)) return;
    }
    throw std::runtime_error("no new temporary folder");
}
#else
TempDir::TempDir(const std::string& parent) {
    std::string pattern = parent + "/navtest-XXXXXX";
    if (!mkdtemp(&pattern[0])) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}
#endif

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }
