#include "support/RunTree.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string sourceDir() { return NAV_SOURCE_DIR; }

void copyRunTree(const std::string& destination) {
    for (const char* folder : {"Data", "resource", "fonts"}) {
        const fs::path from = fs::path(NAV_SOURCE_DIR) / folder;
        if (fs::exists(from))
            fs::copy(from, fs::path(destination) / folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
}

std::vector<std::string> mapFileRow(const std::string& path, int number) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    for (int n = 1; n <= number; ++n)
        if (!std::getline(in, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::istringstream words(line);
    for (std::string word; words >> word;) fields.push_back(word);
    return fields;
}
