#include "FuzzInput.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::vector<std::string> splitInput(const std::uint8_t* data, std::size_t size, int pieces) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> out;
    std::size_t start = 0;
    for (int i = 0; i + 1 < pieces; ++i) {
        std::size_t end = input.find(kPieceSeparator, start);
        if (end == std::string::npos) end = input.size();
        out.push_back(input.substr(start, end - start));
        start = std::min(end + 1, input.size());
    }
    out.push_back(input.substr(start));
    return out;
}

std::wstring wideFromBytes(const std::string& bytes) {
    std::wstring wide;
    for (std::size_t i = 0; i + 3 <= bytes.size(); i += 3) {
        const auto byte = [&bytes](std::size_t at) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])); };
        std::uint32_t code = ((byte(i) << 16) | (byte(i + 1) << 8) | byte(i + 2)) % 0x110000;
        if (code >= 0xD800 && code <= 0xDFFF) code -= 0x800;
        wide.push_back(static_cast<wchar_t>(code));
    }
    return wide;
}

void fuzzCheck(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
}
