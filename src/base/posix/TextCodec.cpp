// The conversions through glibc's iconv (every platform but Windows).
#include "base/TextCodec.h"

#include <cerrno>
#include <iconv.h>

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

std::wstring decodeGbk(const std::string& gbk) {
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
std::string encodeWide(Converter& converter, const std::wstring& wide, bool* allEncoded) {
    std::string bytes = wideBytes(wide);
    return converter.run(bytes.data(), bytes.size(), [allEncoded](char*& in, size_t& left, std::string& out) {
        if (allEncoded) *allEncoded = false;
        out.push_back('?');
        in += sizeof(wchar_t);
        left -= sizeof(wchar_t);
    });
}

}  // namespace

std::string encodeGbk(const std::wstring& wide, bool* allEncoded) { return encodeWide(wideToGbk(), wide, allEncoded); }

std::string encodeUtf8(const std::wstring& wide) { return encodeWide(wideToUtf8(), wide, nullptr); }
