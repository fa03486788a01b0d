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

TEST(TextConvert, InvalidGbkBytesDoNotStopConversion) {
    // 0xFF is never a GBK lead byte; a lone lead byte at the end is truncated.
    EXPECT_EQ(narrowToWide("a\xFF" "b\xBE"), L"a\uFFFDb\uFFFD");
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

TEST(NumberText, FormattingUsesStreamDefaults) {
    EXPECT_EQ(intToText(-30), "-30");
    EXPECT_EQ(intToText(0), "0");
    EXPECT_EQ(floatToText(1000.f), "1000");
    EXPECT_EQ(floatToText(35.5f), "35.5");
    EXPECT_EQ(floatToText(0.1234567f), "0.123457");
    EXPECT_EQ(floatToText(1234567.f), "1.23457e+06");
}
