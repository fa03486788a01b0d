// The login screen of the real binary: the administrator's login and its
// pause, logging out, registering and using a new account, the QR page.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iconv.h>
#include <string>

#include "support/Program.h"
#include "support/TempDir.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Vector2i kPanelSample(630, 330);  // blank panel on both map screens
const sf::Color kPlaceholderGrey(150, 150, 150);

// Login screen widgets at the home view.
const sf::Vector2i kLoginButton = homeViewPixel(450.f, 625.f);     // "登录系统"
const sf::Vector2i kForgotButton = homeViewPixel(700.f, 725.f);    // "忘记密码"
const sf::Vector2i kVipButton = homeViewPixel(140.f, 725.f);       // "获取VIP用户"
// The shared back button at interface (75, 600), origin (50, 50): "退出登录"
// on the map screens, "返回" on the QR page.
const sf::Vector2i kBackButton = interfacePixel(55.f, 568.f);

// The two input boxes, map (450..750, 350..420) and (450..750, 450..520).
const sf::IntRect kUserNameBox(320, 190, 150, 35);
const sf::IntRect kPasswordBox(320, 240, 150, 35);
// The message line under the buttons, map (350.., 800..) at size 50.
const sf::IntRect kMessageArea(200, 405, 300, 40);

bool isLoginScreen(const sf::Image& shot) {
    return Program::windowPixel(shot, 100, 250) == sf::Color::Cyan &&
           Program::windowPixel(shot, 600, 100) == sf::Color::Cyan &&
           Program::windowPixel(shot, homeViewPixel(730.f, 410.f)) == sf::Color::White &&
           Program::windowPixel(shot, homeViewPixel(730.f, 510.f)) == sf::Color::White;
}

bool showsPlaceholders(const sf::Image& shot) {
    return countPixels(shot, kUserNameBox, kPlaceholderGrey, 20) > 30 &&
           countPixels(shot, kPasswordBox, kPlaceholderGrey, 20) > 30;
}

// The small red user line at the top left; its thin strokes are blended
// with the map behind them.
int userLinePixels(const sf::Image& shot) { return countPixels(shot, sf::IntRect(0, 0, 150, 35), sf::Color::Red, 90); }

bool isMapScreen(const sf::Image& shot) { return Program::windowPixel(shot, kPanelSample) == kPanelColour; }

// What the QR page shows where the login screen is plain cyan: sprite a's
// black and white modules at map (-100, 300), 328 units square.
bool isQrPage(const sf::Image& shot) {
    const sf::IntRect qr(50, 170, 150, 150);
    const int all = qr.width * qr.height;
    return Program::windowPixel(shot, 600, 100) == sf::Color::Cyan &&
           countPixels(shot, qr, sf::Color::Black, 30) > all / 6 && countPixels(shot, qr, sf::Color::White, 30) > all / 6;
}

std::string gbk(const std::string& utf8) {
    iconv_t convert = iconv_open("GBK", "UTF-8");
    std::string in = utf8, out(utf8.size() * 2, '\0');
    char* from = in.data();
    char* to = out.data();
    size_t fromLeft = in.size(), toLeft = out.size();
    const size_t result = iconv(convert, &from, &fromLeft, &to, &toLeft);
    iconv_close(convert);
    EXPECT_NE(result, static_cast<size_t>(-1));
    out.resize(out.size() - toLeft);
    return out;
}

class LoginE2E : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(program.waitForScreen(isLoginScreen, 2000));
    }

    Program program;
};

TEST_F(LoginE2E, AdministratorScreenFollowsHalfASecondAfterTheLogin) {
    program.clickAt(homeViewPixel(500.f, 400.f));
    program.typeText("云栖客");
    program.key("Tab");
    program.typeText("5820413");
    pause(100);
    program.saveScreenshot("login-admin-typed");

    const auto pressed = std::chrono::steady_clock::now();
    program.key("Return");
    const sf::Image early = program.screenshot();
    const auto earlyAt = std::chrono::steady_clock::now() - pressed;
    EXPECT_FALSE(isMapScreen(early)) << "the login screen holds for half a second";

    sf::Image admin;
    ASSERT_TRUE(program.waitForScreen(isMapScreen, 1500, &admin)) << "the administrator screen by 1.5 s";
    const auto shownAfter =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - pressed).count();
    RecordProperty("millisecondsUntilAdministratorScreen", static_cast<int>(shownAfter));
    std::printf("first screenshot %lld ms after Return; administrator screen seen after %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(earlyAt).count()),
                static_cast<long long>(shownAfter));
    EXPECT_GE(shownAfter, 450);
    program.saveScreenshot("login-admin-screen");
    EXPECT_GT(userLinePixels(admin), 50) << "the user line";
}

TEST_F(LoginE2E, ReturnInTheUserNameFieldOnlyMovesTheFocus) {
    program.clickAt(homeViewPixel(500.f, 400.f));
    program.typeText("游客");
    program.key("Return");
    const sf::Vector2i passwordBoxTop = homeViewPixel(600.f, 447.f);  // its outline, drawn once it has the focus
    EXPECT_TRUE(program.waitForPixel(passwordBoxTop, sf::Color::Red, 2000)) << "the password field has the focus";
    pause(300);
    const sf::Image shot = program.screenshot();
    program.saveScreenshot("login-return-in-name-field");
    EXPECT_FALSE(isMapScreen(shot));
    EXPECT_EQ(countPixels(shot, kMessageArea, sf::Color::Red), 0) << "no login was attempted";
    EXPECT_EQ(countPixels(shot, kMessageArea, sf::Color::Green), 0);

    program.typeText("123456");
    program.key("Return");
    EXPECT_TRUE(program.waitForScreen(isMapScreen, 2000)) << "Return in the password field logs in";
}

TEST_F(LoginE2E, LoggingOutReturnsToAnEmptyLoginScreen) {
    program.logIn("云栖客", "5820413");
    ASSERT_TRUE(program.waitForScreen(isMapScreen, 2000));

    program.clickAt(kBackButton);
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen([](const sf::Image& s) { return isLoginScreen(s) && showsPlaceholders(s); }, 2000,
                                      &shot));
    program.saveScreenshot("login-after-logout");
    EXPECT_TRUE(isLoginScreen(shot));
    EXPECT_TRUE(showsPlaceholders(shot)) << "\"输入用户名\" and \"输入密码\" in grey";
    EXPECT_EQ(countPixels(shot, kMessageArea, sf::Color::Green), 0) << "the message is hidden";
}

TEST_F(LoginE2E, WrongPasswordKeepsTheLoginScreenWithARedMessage) {
    program.logIn("alice", "wrong");
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen(
        [](const sf::Image& s) { return countPixels(s, kMessageArea, sf::Color::Red) > 50; }, 2000, &shot));
    program.saveScreenshot("login-wrong-password");
    pause(700);
    EXPECT_FALSE(isMapScreen(program.screenshot()));
}

TEST_F(LoginE2E, ARegisteredAccountIsAppendedInGbkAndCanLogIn) {
    const std::string before = readBytes(program.file("Data/users.txt"));
    program.registerAccount("新来客", "abc123");

    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen(
        [](const sf::Image& s) { return countPixels(s, kMessageArea, sf::Color::Green) > 50; }, 2000, &shot))
        << "\"注册成功\" in green";
    program.saveScreenshot("login-registered");
    EXPECT_FALSE(isMapScreen(shot)) << "registering does not log in";
    // A line break, then the record in the file's GBK, with no line break
    // after it; the sample file ends without one, so no empty record stands
    // between the old records and the new one.
    EXPECT_EQ(readBytes(program.file("Data/users.txt")), before + "\r\n" + gbk("新来客") + " abc123");

    // The fields keep what was typed, so the login button logs the new user in.
    program.clickAt(kLoginButton);
    EXPECT_TRUE(program.waitForScreen(isMapScreen, 2000, &shot));
    program.saveScreenshot("login-new-user");
    EXPECT_GT(userLinePixels(shot), 50) << "the user line";
}

TEST_F(LoginE2E, BothLinksOpenTheQrPageAndBackReturns) {
    const sf::IntRect caption(150, 420, 490, 60);  // the magenta caption at map (450, 900)

    program.clickAt(kForgotButton);
    sf::Image forgot;
    ASSERT_TRUE(program.waitForScreen(isQrPage, 2000, &forgot)) << "QR page from \"忘记密码\"";
    program.saveScreenshot("qr-forgot-password");
    EXPECT_GT(countPixels(forgot, caption, sf::Color::Magenta), 100);

    program.clickAt({300, 100});  // anywhere but the back button keeps the page
    pause(200);
    EXPECT_TRUE(isQrPage(program.screenshot()));

    program.clickAt(kBackButton);
    sf::Image shot;
    ASSERT_TRUE(program.waitForScreen(isLoginScreen, 2000, &shot)) << "\"返回\" leads back to the login screen";
    EXPECT_FALSE(isQrPage(shot));

    program.clickAt(kVipButton);
    sf::Image vip;
    ASSERT_TRUE(program.waitForScreen(isQrPage, 2000, &vip)) << "QR page from \"获取VIP用户\"";
    program.saveScreenshot("qr-vip");
    EXPECT_GT(countPixels(vip, caption, sf::Color::Magenta), 100);
    // Same page, another caption.
    int differing = 0;
    for (int y = caption.top; y < caption.top + caption.height; ++y)
        for (int x = caption.left; x < caption.left + caption.width; ++x)
            differing += Program::windowPixel(forgot, x, y) != Program::windowPixel(vip, x, y);
    EXPECT_GT(differing, 100);

    program.clickAt(kBackButton);
    EXPECT_TRUE(program.waitForScreen(isLoginScreen, 2000));
    program.saveScreenshot("qr-back-to-login");
}

}  // namespace
