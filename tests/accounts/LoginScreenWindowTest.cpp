#include <gtest/gtest.h>

#include "base/TextConvert.h"
#include "settings/HelpTexts.h"
#include "support/AppFixture.h"
#include "support/Events.h"

namespace {

class LoginScreenWindow : public AppFixture {
protected:
    void clickMapPoint(sf::Vector2f point) { click(mapPixel(point)); }
    void clickUserNameBox() { clickMapPoint(probe().login.userName.box.getPosition()); }
    // Types both fields by clicking into each, without pressing any key after.
    void fillFields(const std::wstring& name, const std::wstring& password) {
        clickUserNameBox();
        typeText(name);
        clickMapPoint(probe().login.password.box.getPosition());
        typeText(password);
    }
    void clickButton(const sf::Text& button) { clickMapPoint(button.getPosition()); }
    void clickCentre(const sf::RectangleShape& shape) {
        const sf::FloatRect box = shape.getGlobalBounds();
        clickMapPoint({box.left + box.width / 2, box.top + box.height / 2});
    }
    sf::String message() const { return probe().login.message.getString(); }
};

}  // namespace

TEST_F(LoginScreenWindow, ReturnInUserNameFieldOnlyMovesTheFocus) {
    AppProbe a = startApp();
    clickUserNameBox();
    EXPECT_TRUE(a.login.userName.focused);
    typeText(L"云栖客");
    send(keyPress(sf::Keyboard::Return));
    EXPECT_FALSE(a.login.userName.focused);
    EXPECT_TRUE(a.login.password.focused);
    EXPECT_FALSE(a.login.messageVisible);
    EXPECT_FALSE(a.login.adminLoginDone);
    EXPECT_FLOAT_EQ(a.login.password.box.getOutlineThickness(), 5.f);
    EXPECT_FLOAT_EQ(a.login.userName.box.getOutlineThickness(), 0.f);

    // Return again, now in the password field, attempts the login.
    typeText(L"5820413");
    send(keyPress(sf::Keyboard::Return));
    EXPECT_TRUE(a.login.adminLoginDone);
}

TEST_F(LoginScreenWindow, AdministratorLoginLeavesTheMessageAsItWasThenItsScreenAfterHalfASecond) {
    AppProbe a = startApp();
    logIn(L"云栖客", L"5820413");
    EXPECT_EQ(a.frame.screen, kAdminScreen);
    EXPECT_EQ(a.frame.previousScreen, kAdminScreen);
    EXPECT_EQ(sleeps, std::vector<int>{500});
    EXPECT_EQ(message(), L"登录成功");
    EXPECT_EQ(a.login.message.getFillColor(), sf::Color::Green);
    EXPECT_FALSE(a.login.messageVisible) << "Tab hid it";
    EXPECT_EQ(a.userLine.getString(), L"用户名：云栖客\n用户类型：系统管理员");
    EXPECT_EQ(a.backButton.getString(), L"退出登录");

    const sf::Image shot = frame();
    EXPECT_EQ(shot.getPixel(600, 400), sf::Color(70, 120, 210));  // the side panel
}

TEST_F(LoginScreenWindow, OrdinaryLoginByButtonLeadsToTheUserScreen) {
    AppProbe a = startApp();
    fillFields(L"alice", L"2024abc");
    clickButton(a.login.loginButton);
    EXPECT_TRUE(a.login.ordinaryLoginDone);
    a.app.drawScreen();
    EXPECT_EQ(a.frame.screen, kUserScreen);
    EXPECT_EQ(a.userLine.getString(), L"用户名：alice\n用户类型：普通用户");
    EXPECT_EQ(a.backButton.getString(), L"退出登录");
    EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
    EXPECT_EQ(a.panel.body.getString(), kHelpText);
}

TEST_F(LoginScreenWindow, FailedLoginsStayWithARedMessage) {
    AppProbe a = startApp();
    logIn(L"游客", L"wrong");
    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_TRUE(a.login.messageVisible);
    EXPECT_EQ(message(), L"密码错误");
    EXPECT_EQ(a.login.message.getFillColor(), sf::Color::Red);
    EXPECT_TRUE(sleeps.empty());

    clickButton(a.login.loginButton);  // the click hides the old message first
    EXPECT_EQ(message(), L"密码错误");
    clickUserNameBox();
    send(keyPress(sf::Keyboard::Backspace));
    send(keyPress(sf::Keyboard::Backspace));
    typeText(L"路人");
    clickButton(a.login.loginButton);
    EXPECT_EQ(message(), L"用户名不存在");
}

TEST_F(LoginScreenWindow, ShowPasswordBoxTogglesMaskAndColour) {
    AppProbe a = startApp();
    clickMapPoint(a.login.password.box.getPosition());
    typeText(L"abc");
    EXPECT_EQ(a.login.password.text.getString(), L"***");
    clickCentre(a.login.showPasswordBox);
    EXPECT_EQ(a.login.showPasswordBox.getFillColor(), sf::Color::Green);
    typeText(L"d");
    EXPECT_EQ(a.login.password.text.getString(), L"abcd") << "the click leaves the focus in the password";
    clickCentre(a.login.showPasswordBox);
    EXPECT_EQ(a.login.showPasswordBox.getFillColor(), sf::Color::Red);
    EXPECT_EQ(a.login.password.text.getString(), L"****");
}

TEST_F(LoginScreenWindow, FieldsTakeSevenCharactersAndThePasswordOnlyAscii) {
    AppProbe a = startApp();
    fillFields(L"云栖客云栖客云栖", L"中pw12345x");
    EXPECT_EQ(a.login.userName.typedText(), L"云栖客云栖客云");
    EXPECT_EQ(a.login.password.content, L"pw12345");
}

TEST_F(LoginScreenWindow, RegistrationAppendsToTheUsersFileAndThenLogsIn) {
    AppProbe a = startApp();
    fillFields(L"新用户", L"pw1");
    const std::string before = readBytes("Data/users.txt");
    clickButton(a.login.registerButton);
    EXPECT_EQ(message(), L"注册成功");
    EXPECT_EQ(a.login.message.getFillColor(), sf::Color::Green);
    EXPECT_EQ(readBytes("Data/users.txt"), before + "\r\n" + wideToNarrow(L"新用户") + " pw1");
    EXPECT_EQ(a.frame.screen, kLoginScreen);  // registering does not log in

    clickButton(a.login.registerButton);
    EXPECT_EQ(message(), L"当前用户名已存在");
    clickButton(a.login.loginButton);
    EXPECT_TRUE(a.login.ordinaryLoginDone);
}

TEST_F(LoginScreenWindow, RegistrationWithASpaceIsRefusedAndWritesNothing) {
    AppProbe a = startApp();
    fillFields(L"a b", L"pw");
    const std::string before = readBytes("Data/users.txt");
    clickButton(a.login.registerButton);
    EXPECT_EQ(message(), L"用户名和密码不能含空格");
    EXPECT_EQ(a.login.message.getFillColor(), sf::Color::Red);
    EXPECT_EQ(readBytes("Data/users.txt"), before);
}

TEST_F(LoginScreenWindow, BothLinksOpenTheQrPageWithTheirCaptionAndBackReturns) {
    AppProbe a = startApp();
    clickButton(a.login.forgotButton);
    EXPECT_EQ(a.frame.screen, kQrPage);
    EXPECT_EQ(a.qrPage.caption.getString(), L"扫码支付为你恢复账号密码");
    const sf::Image page = frame();
    EXPECT_EQ(page.getPixel(5, 5), sf::Color::Cyan);

    // A click elsewhere keeps the page and labels the back button 返回.
    click({300, 100});
    EXPECT_EQ(a.frame.screen, kQrPage);
    EXPECT_EQ(a.backButton.getString(), L"返回");
    click(buttonPixel(a.backButton));
    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_TRUE(a.window.isOpen());  // the quit button lies under 返回 on the login screen

    // A click on 登录系统 hides the message first, and the login leaves it so.
    click(buttonPixel(a.backButton));
    fillFields(L"云栖客", L"5820413");
    clickButton(a.login.loginButton);
    EXPECT_FALSE(a.login.messageVisible);
    a.app.drawScreen();

    click(buttonPixel(a.backButton));
    clickButton(a.login.vipButton);
    EXPECT_EQ(a.frame.screen, kQrPage);
    EXPECT_EQ(a.qrPage.caption.getString(), L"扫码支付为你提供VIP账号");
}

TEST_F(LoginScreenWindow, QuitButtonClosesTheWindow) {
    AppProbe a = startApp();
    clickButton(a.login.quitButton);
    EXPECT_FALSE(a.window.isOpen());
}

TEST_F(LoginScreenWindow, LogoutResetsTheLoginScreenAndTheView) {
    AppProbe a = startApp();
    clickCentre(a.login.showPasswordBox);
    logIn(L"游客", L"123456");
    press({100, 100});
    send(mouseMove(150, 120));
    release({150, 120});
    scrollWheel(-1.f, 3);
    click(buttonPixel(a.backButton));

    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_TRUE(a.login.userName.focused && !a.login.password.focused) << "the next person types a name";
    seconds = 2;  // a caret's second: the focused name keeps its placeholder until a key
    a.app.runFrame();
    a.app.runFrame();
    EXPECT_FALSE(a.login.ordinaryLoginDone);
    EXPECT_FALSE(a.login.messageVisible);
    EXPECT_EQ(a.login.userName.text.getString(), L"输入用户名");
    EXPECT_EQ(a.login.userName.text.getFillColor(), sf::Color(150, 150, 150));
    EXPECT_EQ(a.login.password.text.getString(), L"输入密码");
    EXPECT_TRUE(a.login.password.content.isEmpty());
    EXPECT_EQ(a.login.showPasswordBox.getFillColor(), sf::Color::Red) << "the next password is masked";
    EXPECT_FALSE(a.login.password.showPlain);
    EXPECT_EQ(a.views.mapView.getCenter(), sf::Vector2f(450.f, 450.f));
    EXPECT_EQ(a.views.mapView.getSize(), sf::Vector2f(1280.f, 960.f));
    EXPECT_EQ(a.backButton.getString(), L"返回");
    EXPECT_EQ(a.panel.body.getString(), kHelpText);

    // Logging in again works from the reset screen.
    logIn(L"小明", L"xm8888");
    EXPECT_EQ(a.frame.screen, kUserScreen);
}

// A route shown, its end spot selected, another spot under 退出登录: the
// next session starts at rest.
TEST_F(LoginScreenWindow, LogoutLeavesNothingOfTheSessionForTheNext) {
    AppProbe a = startAsUser();
    shiftClick(spotPixel(11));
    shiftClick(spotPixel(25));
    ASSERT_FALSE(outlinedRoads().empty());
    const sf::Vector2f underButton = a.window.mapPixelToCoords(buttonPixel(a.backButton), a.views.mapView);
    a.map.spots[3].setPosition(underButton.x - kSpotRadius, underButton.y - kSpotRadius);
    click(buttonPixel(a.backButton));
    logIn(L"小明", L"xm8888");
    EXPECT_FALSE(anythingSelected(a.selection));
    EXPECT_TRUE(outlinedSpots().empty() && outlinedRoads().empty());
    EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
    EXPECT_EQ(a.panel.body.getString(), kHelpText);
    const sf::Vector2i settingsFill = interfacePixel({560.f, 400.f});
    EXPECT_EQ(frame().getPixel(settingsFill.x, settingsFill.y), sf::Color::Red) << "系统设置";
}

TEST_F(LoginScreenWindow, FocusedUserNameFieldBlinksFromTheClock) {
    AppProbe a = startApp();
    clickUserNameBox();
    typeText(L"ab");
    seconds = 2;
    a.app.runFrame();
    EXPECT_EQ(a.login.userName.text.getString(), L"ab|");
    seconds = 3;
    a.app.runFrame();
    EXPECT_EQ(a.login.userName.text.getString(), L"ab");
}
