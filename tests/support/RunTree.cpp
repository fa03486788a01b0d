#include "support/RunTree.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string sourceDir() { return NAV_SOURCE_DIR; }

void copyRunTree(const std::string& destination) {
    for (const char* folder : {"Data", "resource", "fonts"}) {
        const fs::path from = fs::path(NAV_SOURCE_DIR) / folder;
        if (fs::exists(from))
            fs::copy(from, fs::path(destination) / folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
}
