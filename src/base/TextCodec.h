#pragma once
// The platform's conversions behind TextConvert: iconv on Linux (base/posix/),
// the code page functions on Windows (base/windows/), chosen at compile time.
// Both behave alike: every invalid GBK byte becomes U+FFFD, every character
// an encoding lacks one "?".
#include <string>

std::wstring decodeGbk(const std::string& gbk);

// Clears *allEncoded (when given) if a character became "?".
std::string encodeGbk(const std::wstring& wide, bool* allEncoded);

std::string encodeUtf8(const std::wstring& wide);
