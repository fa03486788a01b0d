#include "base/TextConvert.h"

#include <cerrno>
#include <iconv.h>
#include <locale>
#include <sstream>

namespace {

// One iconv conversion between GBK and the platform's wchar_t. The machine's
// locale need not be GBK: iconv names the encoding explicitly.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the input; onInvalid is called with the input and output
    // cursors when a unit cannot be converted, and must advance the input.
    template <typename OnInvalid>
    std::string run(const char* data, size_t size, OnInvalid onInvalid) {
        std::string out;
        if (!valid() || size == 0) return out;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(data);
        size_t inLeft = size;
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                // EILSEQ or EINVAL (a truncated sequence at the end).
                onInvalid(in, inLeft, out);
            }
        }
        return out;
    }

private:
    iconv_t handle_;
};

std::string wideBytes(const std::wstring& wide) {
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

std::wstring fromWideBytes(const std::string& bytes) {
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

// One converter a direction and thread, opened on first use: opening one
// costs far more than a conversion, and the map is rebuilt name by name.
Converter& gbkToWide() {
    thread_local Converter converter("WCHAR_T", "GBK");
    return converter;
}

Converter& wideToGbk() {
    thread_local Converter converter("GBK", "WCHAR_T");
    return converter;
}

Converter& wideToUtf8() {
    thread_local Converter converter("UTF-8", "WCHAR_T");
    return converter;
}

}  // namespace

std::wstring narrowToWide(const std::string& gbk) {
    std::string bytes = gbkToWide().run(gbk.data(), gbk.size(), [](char*& in, size_t& left, std::string& out) {
        const wchar_t replacement = 0xFFFD;
        out.append(reinterpret_cast<const char*>(&replacement), sizeof replacement);
        ++in;
        --left;
    });
    return fromWideBytes(bytes);
}

namespace {

// Encodes wide text; a character the encoding lacks becomes "?" and clears
// *allEncoded when given.
std::string encodeWide(Converter& converter, const std::wstring& wide, bool* allEncoded = nullptr) {
    std::string bytes = wideBytes(wide);
    return converter.run(bytes.data(), bytes.size(), [allEncoded](char*& in, size_t& left, std::string& out) {
        if (allEncoded) *allEncoded = false;
        out.push_back('?');
        in += sizeof(wchar_t);
        left -= sizeof(wchar_t);
    });
}

}  // namespace

std::string wideToNarrow(const std::wstring& wide) { return encodeWide(wideToGbk(), wide); }

std::string consoleText(const std::wstring& wide) { return encodeWide(wideToUtf8(), wide); }

bool gbkCanEncode(const std::wstring& wide) {
    bool allEncoded = true;
    const std::string bytes = encodeWide(wideToGbk(), wide, &allEncoded);
    // iconv drops some characters without an error (the tag characters
    // U+E0000..U+E007F): only text that reads back unchanged is storable.
    return allEncoded && narrowToWide(bytes) == wide;
}

bool containsWhiteSpace(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r') return true;
    }
    return false;
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

template <typename T>
std::string numberText(T value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

}  // namespace

int parseInt(const std::string& text) { return parseNumber<int>(text); }
float parseFloat(const std::string& text) { return parseNumber<float>(text); }
bool intInRange(const std::string& text) { return inRange<int>(text); }
bool floatInRange(const std::string& text) { return inRange<float>(text); }
std::string intToText(int value) { return numberText(value); }
std::string floatToText(float value) { return numberText(value); }
