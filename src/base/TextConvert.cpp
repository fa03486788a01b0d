#include "base/TextConvert.h"

#include "base/TextCodec.h"

#include <iomanip>
#include <locale>
#include <sstream>

std::wstring narrowToWide(const std::string& gbk) { return decodeGbk(gbk); }

std::string wideToNarrow(const std::wstring& wide) { return encodeGbk(wide, nullptr); }

std::string consoleText(const std::wstring& wide) { return encodeUtf8(wide); }

void appendCodePoint(std::wstring& wide, char32_t c) {
    if (sizeof(wchar_t) == 2 && c > 0xFFFF && c <= 0x10FFFF) {
        c -= 0x10000;
        wide.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
        wide.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
    } else {
        wide.push_back(static_cast<wchar_t>(c));
    }
}

bool gbkCanEncode(const std::wstring& wide) {
    bool allEncoded = true;
    const std::string bytes = encodeGbk(wide, &allEncoded);
    // A converter may drop some characters without an error (iconv drops the
    // tag characters U+E0000..U+E007F): only text that reads back unchanged
    // is storable.
    return allEncoded && narrowToWide(bytes) == wide;
}

namespace {

// A failed extraction stores 0, an out-of-range one the nearest limit; both
// clear *read when given.
template <typename T>
T parseNumber(const std::string& text, bool* read = nullptr) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    T value{};
    in >> value;
    if (read) *read = !in.fail();
    return value;
}

template <typename T>
bool inRange(const std::string& text) {
    bool read = false;
    parseNumber<T>(text, &read);
    return read;
}

// Every number text comes from a stream in the classic locale, so the
// decimal point is a point whatever locale the process runs under.
std::ostringstream numberStream() {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    return out;
}

}  // namespace

int parseInt(const std::string& text) { return parseNumber<int>(text); }
float parseFloat(const std::string& text) { return parseNumber<float>(text); }
bool intInRange(const std::string& text) { return inRange<int>(text); }
bool floatInRange(const std::string& text) { return inRange<float>(text); }

std::string intToText(int value) {
    std::ostringstream out = numberStream();
    out << value;
    return out.str();
}

std::string floatToText(double value, int significantDigits) {
    std::ostringstream out = numberStream();
    out << std::setprecision(significantDigits) << value;
    return out.str();
}

std::string fixedToText(double value, int decimals) {
    std::ostringstream out = numberStream();
    out << std::fixed << std::setprecision(decimals) << value;
    return out.str();
}
