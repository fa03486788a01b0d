// The real binary at start-up and at its end: the login screen, the ways the
// window closes, and the fatal missing-asset path.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/Program.h"

namespace {

// A few places of the login screen that are background, and one inside the
// white user-name box beside its placeholder.
void expectLoginScreen(const sf::Image& shot) {
    for (const sf::Vector2i at : {sf::Vector2i(5, 5), sf::Vector2i(635, 5), sf::Vector2i(635, 475), sf::Vector2i(250, 290)})
        EXPECT_EQ(Program::windowPixel(shot, at), sf::Color::Cyan) << "at " << at.x << "," << at.y;
    EXPECT_EQ(Program::windowPixel(shot, homeViewPixel(730.f, 410.f)), sf::Color::White);
}

int blackPixelsInTitle(const sf::Image& shot) {
    int count = 0;
    for (int y = 50; y < 110; ++y)
        for (int x = 0; x < 640; ++x) count += Program::windowPixel(shot, x, y) == sf::Color::Black;
    return count;
}

TEST(StartupE2E, OpensOnTheLoginScreen) {
    Program program;
    ASSERT_TRUE(program.start());
    const sf::Image shot = program.screenshot();
    program.saveScreenshot("startup-login");
    expectLoginScreen(shot);
    EXPECT_GT(blackPixelsInTitle(shot), 1000) << "the title \"数据结构 - 导航系统\"";
    EXPECT_TRUE(program.running());
}

TEST(StartupE2E, EscapeHeldDuringAnEventEndsWithStatusZero) {
    Program program;
    ASSERT_TRUE(program.start());
    program.xdotool("keydown Escape sleep 0.1 mousemove_relative 5 5 sleep 0.1 keyup Escape");
    EXPECT_EQ(program.waitForExit(3000), 0);
}

TEST(StartupE2E, WindowCloseRequestEndsWithStatusZero) {
    Program program;
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.requestClose());
    EXPECT_EQ(program.waitForExit(3000), 0);
}

TEST(StartupE2E, QuitButtonEndsWithStatusZero) {
    Program program;
    ASSERT_TRUE(program.start());
    program.clickAt(homeViewPixel(-40.f, 880.f));  // "退出系统"
    EXPECT_EQ(program.waitForExit(3000), 0);
}

TEST(StartupE2E, RunsOnWithoutItsFont) {
    Program program;
    ASSERT_EQ(std::remove(program.file("fonts/MF-FangHei-Noncommercial-Regular.ttf").c_str()), 0);
    ASSERT_TRUE(program.start());
    pause(300);
    EXPECT_TRUE(program.running());
    const sf::Image shot = program.screenshot();
    program.saveScreenshot("startup-without-font");
    expectLoginScreen(shot);
    // Every text is empty: the title's band holds no black pixel.
    EXPECT_EQ(blackPixelsInTitle(shot), 0);
}

class StartupMissingAssetE2E : public ::testing::TestWithParam<const char*> {};

TEST_P(StartupMissingAssetE2E, WarnsAndExitsWithStatusOneAfterAboutASecond) {
    Program program;
    ASSERT_EQ(std::remove(program.file(std::string("resource/") + GetParam()).c_str()), 0);
    EXPECT_TRUE(program.start()) << "the window opens before the assets load\n" << program.standardErrorTail();
    EXPECT_EQ(program.waitForExit(5000), 1);
    EXPECT_EQ(program.standardOutput(), "警告：素材丢失");
    // The window opens first; the one-second pause follows the failed load.
    const int windowOpen = program.millisecondsToExit() - program.millisecondsToWindow();
    std::printf("%s missing: window seen after %d ms, exit %d ms later\n", GetParam(), program.millisecondsToWindow(),
                windowOpen);
    EXPECT_GE(windowOpen, 900);
    EXPECT_LE(windowOpen, 4000);
}

std::string assetTestName(const ::testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (c == '.') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(EachAsset, StartupMissingAssetE2E,
                         ::testing::Values("c.txt", "b.txt", "a.txt", "market.jpg", "food.jpg", "bank.jpg", "hotel.jpg",
                                           "main.ogg"),
                         assetTestName);

}  // namespace
