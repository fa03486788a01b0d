// The conversions through Windows' code page functions. GBK is code page 936,
// named explicitly whatever the machine's own code page is. wchar_t holds
// UTF-16 here: a character beyond the BMP is a surrogate pair, which GBK
// never holds.
#include "base/TextCodec.h"

#include <windows.h>

namespace {

const UINT kGbk = 936;

bool isLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool isTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }
bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
// Code page 936 maps GBK's user-defined areas (2149 codes) to the private
// use area; iconv's GBK holds none of them. Both directions leave them out,
// so a file reads and writes alike on both systems.
bool isPrivateUse(wchar_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// The code units of one character starting at i: 2 for a surrogate pair.
size_t unitsAt(const std::wstring& wide, size_t i) {
    return isHighSurrogate(wide[i]) && i + 1 < wide.size() && isLowSurrogate(wide[i + 1]) ? 2 : 1;
}

}  // namespace

std::wstring decodeGbk(const std::string& gbk) {
    std::wstring wide;
    wide.reserve(gbk.size());
    size_t i = 0;
    while (i < gbk.size()) {
        const unsigned char c = static_cast<unsigned char>(gbk[i]);
        if (c < 0x80) {
            wide.push_back(static_cast<wchar_t>(c));
            ++i;
            continue;
        }
        // A lead and a trail byte make a character, and 0x80 alone is the
        // euro sign (as iconv reads it). A byte that starts no character is
        // replaced alone and the next byte read afresh.
        wchar_t decoded = 0;
        if (c == 0x80) {
            wide.push_back(L'\u20AC');
            ++i;
        } else if (isLeadByte(c) && i + 1 < gbk.size() && isTrailByte(static_cast<unsigned char>(gbk[i + 1])) &&
            MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, &gbk[i], 2, &decoded, 1) == 1 && !isPrivateUse(decoded)) {
            wide.push_back(decoded);
            i += 2;
        } else {
            wide.push_back(L'\uFFFD');
            ++i;
        }
    }
    return wide;
}

std::string encodeGbk(const std::wstring& wide, bool* allEncoded) {
    std::string bytes;
    bytes.reserve(wide.size() * 2);
    size_t i = 0;
    while (i < wide.size()) {
        const size_t units = unitsAt(wide, i);
        const wchar_t c = wide[i];
        char encoded[2];
        BOOL usedDefault = FALSE;
        int n = 0;
        if (c < 0x80) {
            encoded[0] = static_cast<char>(c);
            n = 1;
        } else if (units == 1 && !isHighSurrogate(c) && !isLowSurrogate(c) && !isPrivateUse(c)) {
            // No best fit: a character GBK lacks must not turn into a look-alike.
            n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, &c, 1, encoded, 2, "?", &usedDefault);
        }
        if (n == 0 || usedDefault) {
            if (allEncoded) *allEncoded = false;
            bytes.push_back('?');
        } else {
            bytes.append(encoded, static_cast<size_t>(n));
        }
        i += units;
    }
    return bytes;
}

std::string encodeUtf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &bytes[0], n, nullptr, nullptr);
    return bytes;
}
