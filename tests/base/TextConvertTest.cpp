#include <gtest/gtest.h>

#include "base/TextConvert.h"

TEST(TextConvert, GbkBytesOfHotelRoundTrip) {
    const std::string gbk = "\xBE\xC6\xB5\xEA";  // 酒店
    EXPECT_EQ(narrowToWide(gbk), L"酒店");
    EXPECT_EQ(wideToNarrow(L"酒店"), gbk);
    EXPECT_EQ(narrowToWide(""), L"");
    EXPECT_EQ(wideToNarrow(L""), "");
}

TEST(TextConvert, MixedTextAndLongInputSurviveRoundTrip) {
    std::wstring wide;
    for (int i = 0; i < 300; ++i) wide += L"新建景点-42 ";
    EXPECT_EQ(narrowToWide(wideToNarrow(wide)), wide);
}

TEST(TextConvert, CharacterOutsideGbkBecomesQuestionMarkWithoutCuttingText) {
    // U+1F600 (an emoji) and U+0E01 (Thai) have no GBK encoding.
    EXPECT_EQ(wideToNarrow(L"a\U0001F600b\u0E01c"), "a?b?c");
    EXPECT_FALSE(gbkCanEncode(L"名\U0001F600"));
    EXPECT_TRUE(gbkCanEncode(L"云栖客abc"));
}

TEST(TextConvert, CharactersTheConverterDropsSilentlyAreNotStorable) {
    // iconv turns the tag characters into nothing without reporting them, so
    // "a" plus a tag character would be stored as "a".
    // (As strings: where wchar_t is 16 bits wide each is a surrogate pair.)
    for (const wchar_t* tag : {L"\U000E0000", L"\U000E0001", L"\U000E0041", L"\U000E007F"}) {
        EXPECT_FALSE(gbkCanEncode(std::wstring(L"a") + tag)) << static_cast<unsigned>(tag[0]);
    }
    EXPECT_TRUE(gbkCanEncode(L"\u00B7\u2014\uFF5E"));  // GBK holds these; each reads back unchanged
}

TEST(TextConvert, InvalidGbkBytesDoNotStopConversion) {
    // 0xFF is never a GBK lead byte; a lone lead byte at the end is truncated.
    EXPECT_EQ(narrowToWide("a\xFF" "b\xBE"), L"a\uFFFDb\uFFFD");
    // 0x80 alone is the euro sign; a lead byte before a byte that cannot
    // follow it is replaced alone.
    EXPECT_EQ(narrowToWide("\x80" "a\xBE" "1"), L"\u20ACa\uFFFD1");
    EXPECT_EQ(wideToNarrow(L"\u20AC"), "\x80");
}

TEST(TextConvert, UserDefinedCodesAreNotGbkText) {
    // GBK's user-defined areas (A140, AAA1, F8A1...) hold no character; code
    // page 936 would read them as private-use characters.
    EXPECT_EQ(narrowToWide("\xA1\x40"), L"\uFFFD@");
    EXPECT_EQ(narrowToWide("\xAA\xA1"), L"\uFFFD\uFFFD");
    EXPECT_EQ(narrowToWide("\xF8\xA1"), L"\uFFFD\uFFFD");
    EXPECT_EQ(wideToNarrow(L"\uE000\uE864"), "??");
    EXPECT_FALSE(gbkCanEncode(L"\uE000"));
}

TEST(TextConvert, SurrogateCodeUnitsAreNotGbkText) {
    // A lone surrogate is no character; a pair, on 16-bit wchar_t, is one.
    const std::wstring lone = std::wstring(L"a") + static_cast<wchar_t>(0xD800) + L"b";
    EXPECT_EQ(wideToNarrow(lone), "a?b");
    EXPECT_FALSE(gbkCanEncode(lone));
}

TEST(TextConvert, ConsoleTextIsUtf8) {
    EXPECT_EQ(consoleText(L"酒店"), "\xE9\x85\x92\xE5\xBA\x97");
}

TEST(NumberText, ParseStopsAtFirstCharacterThatCannotContinue) {
    EXPECT_EQ(parseInt(" 42 "), 42);
    EXPECT_EQ(parseInt("12abc"), 12);
    EXPECT_EQ(parseInt("3.7"), 3);
    EXPECT_EQ(parseInt("-30"), -30);
    EXPECT_FLOAT_EQ(parseFloat("35.5"), 35.5f);
    EXPECT_FLOAT_EQ(parseFloat("-2.5e2x"), -250.f);
}

TEST(NumberText, TextThatDoesNotBeginWithNumberParsesAsZero) {
    EXPECT_EQ(parseInt("abc"), 0);
    EXPECT_EQ(parseInt(""), 0);
    EXPECT_EQ(parseInt("酒店"), 0);
    EXPECT_EQ(parseFloat("x1"), 0.f);
}

TEST(NumberText, RangeChecksTellANumberFromTheLimitItWouldBeReadAs) {
    struct Case {
        const char* text;
        bool intFits, floatFits;
    };
    const Case cases[] = {
        {"2147483647", true, true},   {"-2147483648", true, true}, {"2147483648", false, true},
        {"-2147483649", false, true}, {"12abc", true, true},        {"abc", false, false},
        {"", false, false},           {"3.5e38", true, false},      {"3.4e38", true, true},
        {"1e-50", true, true},  // too small for a float, read as about 0: not beyond the range
    };
    for (const Case& c : cases) {
        EXPECT_EQ(intInRange(c.text), c.intFits) << c.text;
        EXPECT_EQ(floatInRange(c.text), c.floatFits) << c.text;
    }
}

TEST(NumberText, FormattingUsesStreamDefaults) {
    EXPECT_EQ(intToText(-30), "-30");
    EXPECT_EQ(intToText(0), "0");
    EXPECT_EQ(floatToText(1000.f), "1000");
    EXPECT_EQ(floatToText(35.5f), "35.5");
    EXPECT_EQ(floatToText(0.1234567f), "0.123457");
    EXPECT_EQ(floatToText(1234567.f), "1.23457e+06");
}
