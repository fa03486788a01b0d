#pragma once
// Conversions between the GBK text of the data files and the wide strings
// shown on screen, and between numbers and their text.
#include <string>

// GBK bytes to wide characters. Bytes that are not valid GBK become U+FFFD.
std::wstring narrowToWide(const std::string& gbk);

// Wide characters to GBK bytes. A character GBK cannot hold becomes "?".
std::string wideToNarrow(const std::wstring& wide);

// Appends one character: where wchar_t is 16 bits wide (Windows), one beyond
// the BMP as a surrogate pair.
void appendCodePoint(std::wstring& wide, char32_t c);

// The wide text of a sequence of code points, such as an sf::String, every
// character kept. (sf::String::toWideString drops the characters beyond the
// BMP where wchar_t is 16 bits wide, so a check of the text would pass what
// is not there.)
template <typename CodePoints>
std::wstring wideText(const CodePoints& text) {
    std::wstring wide;
    for (const auto c : text) appendCodePoint(wide, static_cast<char32_t>(c));
    return wide;
}

// Wide characters as text for the console, which here speaks UTF-8.
std::string consoleText(const std::wstring& wide);

// True when every character of the text has a GBK encoding and the encoded
// bytes read back as the same text, so the text can be stored in a data file.
bool gbkCanEncode(const std::wstring& wide);

// Stream extraction with classic formatting: leading white space is skipped
// and reading stops at the first character that cannot continue the number,
// so "12abc" gives 12 and "3.7" as an integer gives 3. Text that does not
// begin with a number gives 0.
int parseInt(const std::string& text);
float parseFloat(const std::string& text);

// True when the text begins with a number the type can hold; false when it
// does not begin with a number or the number lies beyond the type's range
// (where parseInt and parseFloat give the nearest limit instead).
bool intInRange(const std::string& text);
bool floatInRange(const std::string& text);

// Numbers as the program writes them everywhere, on screen, in files and on
// the console, with a decimal point whatever the locale: whole numbers in
// decimal; reals with the given significant digits in the shorter of fixed
// and exponent notation (at six 35.5 gives "35.5", 1000 "1000" and 1234567
// "1.23457e+06"); or reals with the given digits after the point (at two 0.5
// gives "0.50"). Infinity and NaN give "inf" and "nan".
std::string intToText(int value);
std::string floatToText(double value, int significantDigits = 6);
std::string fixedToText(double value, int decimals);
