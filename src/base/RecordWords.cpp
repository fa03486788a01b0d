#include "base/RecordWords.h"

#include <cstring>

namespace {

constexpr char kRecordSpaces[] = " \t\n\v\f\r";

// GBK bytes from 0x80 on are never white space, whatever they make up.
bool isRecordSpace(char32_t code) {
    return code != 0 && code < 0x80 && std::strchr(kRecordSpaces, static_cast<char>(code)) != nullptr;
}

bool isRecordSpaceByte(char byte) { return isRecordSpace(static_cast<unsigned char>(byte)); }

}  // namespace

bool containsWhiteSpace(const std::wstring& text) {
    for (wchar_t c : text) {
        if (isRecordSpace(static_cast<char32_t>(c))) return true;
    }
    return false;
}

std::string nextRecordWord(const std::string& line, std::size_t& pos) {
    while (pos < line.size() && isRecordSpaceByte(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !isRecordSpaceByte(line[pos])) ++pos;
    return line.substr(start, pos - start);
}
