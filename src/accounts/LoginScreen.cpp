#include "accounts/LoginScreen.h"

#include "accounts/AccountLimits.h"
#include "accounts/LoginRules.h"

namespace {

const sf::Vector2f kWidgetOrigin(50.f, 50.f);

sf::Text makeText(const sf::Font& font, const sf::String& string, unsigned size, sf::Vector2f position,
                  sf::Color colour) {
    sf::Text text(string, font, size);
    text.setOrigin(kWidgetOrigin);
    text.setPosition(position);
    text.setFillColor(colour);
    return text;
}

sf::RectangleShape makeInputBox(sf::Vector2f position) {
    sf::RectangleShape box(sf::Vector2f(300.f, 70.f));
    box.setOrigin(kWidgetOrigin);
    box.setPosition(position);
    box.setFillColor(sf::Color::White);
    box.setOutlineColor(sf::Color::Red);
    box.setOutlineThickness(0.f);
    return box;
}

void setMessage(LoginScreen& screen, const OutcomeMessage& outcome) {
    screen.message.setString(outcome.text);
    screen.message.setFillColor(messageColor(outcome));
}

void showMessage(LoginScreen& screen, const OutcomeMessage& outcome) {
    setMessage(screen, outcome);
    screen.messageVisible = true;
}

// The administrator's login leaves the message as visible as it was: hidden
// after a click on 登录系统, which hides it first.
void attemptLoginFromScreen(LoginScreen& screen, LoginContext context) {
    const sf::String name = screen.userName.typedText();
    const LoginOutcome outcome = attemptLogin(context.usersPath, context.accounts, name, screen.password.content);
    setMessage(screen, outcomeMessage(outcome));
    if (outcome != LoginOutcome::Administrator) screen.messageVisible = true;
    if (outcome != LoginOutcome::Administrator && outcome != LoginOutcome::OrdinaryUser) return;
    context.userLine.setString(userLineText(name, outcome));
    if (outcome == LoginOutcome::Administrator) screen.adminLoginDone = true;
    else screen.ordinaryLoginDone = true;
}

// Returns false when the registration was refused, which ends the click.
bool registerFromScreen(LoginScreen& screen, LoginContext context) {
    const RegisterOutcome outcome =
        registerAccount(context.usersPath, context.accounts, screen.userName.typedText(), screen.password.content);
    showMessage(screen, outcomeMessage(outcome));
    return outcome == RegisterOutcome::Registered;
}

void moveFocusToPassword(LoginScreen& screen) {
    screen.userName.loseFocus();
    screen.messageVisible = false;
    screen.password.focused = true;
    screen.password.box.setOutlineThickness(5.f);
    screen.password.refreshDisplay();
}

void setShowPassword(LoginScreen& screen, bool show) {
    screen.showPasswordBox.setFillColor(show ? sf::Color::Green : sf::Color::Red);
    screen.nextClickShows = !show;
    screen.password.setShowPlain(show);
}

}  // namespace

void buildLoginScreen(LoginScreen& screen, const sf::Font& font) {
    screen.title = sf::Text(L"数据结构 - 导航系统", font, 100);
    screen.title.setPosition(0.f, 100.f);
    screen.title.setFillColor(sf::Color::Black);

    screen.loginButton = makeLargeButton(font, L"登录系统");
    screen.loginButton.setPosition(400.f, 650.f);
    screen.registerButton = copyButton(screen.loginButton, L"注册账号", {400.f, 750.f});
    screen.quitButton = copyButton(screen.loginButton, L"退出系统", {-100.f, 900.f});
    screen.forgotButton = copyButton(screen.loginButton, L"忘记密码", {650.f, 750.f});
    screen.vipButton = copyButton(screen.loginButton, L"获取VIP用户", {60.f, 750.f});

    const sf::Color grey(150, 150, 150);
    screen.userNameLabel = makeText(font, L"用户名：", 50, {300.f, 400.f}, sf::Color::Black);
    screen.passwordLabel = makeText(font, L"密码：", 50, {300.f, 500.f}, sf::Color::Black);
    screen.showPasswordLabel = makeText(font, L"显示密码", 30, {550.f, 587.f}, sf::Color(100, 100, 100));
    screen.message = makeText(font, L"", 50, {400.f, 850.f}, sf::Color::Red);

    screen.userName.box = makeInputBox({500.f, 400.f});
    screen.userName.text = makeText(font, L"", 50, {500.f, 400.f}, grey);
    screen.userName.placeholder = L"输入用户名";
    screen.userName.maxLength = kAccountFieldMaxLength;
    screen.userName.showPlaceholder();

    screen.password.box = makeInputBox({500.f, 500.f});
    screen.password.text = makeText(font, L"", 50, {500.f, 500.f}, grey);
    screen.password.maxLength = kAccountFieldMaxLength;
    screen.password.highest = kHighestPasswordCode;
    screen.password.showPlaceholder();

    screen.showPasswordBox.setSize(sf::Vector2f(20.f, 20.f));
    screen.showPasswordBox.setOrigin(kWidgetOrigin);
    screen.showPasswordBox.setPosition(520.f, 600.f);
    screen.showPasswordBox.setFillColor(sf::Color::Red);
    screen.showPasswordBox.setOutlineColor(sf::Color::Blue);
    screen.showPasswordBox.setOutlineThickness(5.f);
}

void blinkLoginFields(LoginScreen& screen, int seconds) {
    if (screen.userName.focused) screen.userName.blink(seconds);
}

void handleLoginKeys(LoginScreen& screen, const sf::Event& event, LoginContext context) {
    if (screen.userName.focused) screen.userName.handleEvent(event);
    if (screen.password.focused) screen.password.handleEvent(event);
    if (event.type != sf::Event::KeyPressed) return;
    const sf::Keyboard::Key key = event.key.code;
    if (screen.userName.focused && (key == sf::Keyboard::Tab || key == sf::Keyboard::Return)) {
        moveFocusToPassword(screen);
        return;
    }
    if (screen.password.focused && key == sf::Keyboard::Return) attemptLoginFromScreen(screen, context);
}

LoginAction handleLoginClick(LoginScreen& screen, sf::Vector2f point, LoginContext context) {
    // 显示密码 leaves the focus where it was, so typing goes on in its field.
    if (screen.showPasswordBox.getGlobalBounds().contains(point)) {
        setShowPassword(screen, screen.nextClickShows);
    } else {
        screen.userName.handleClick(point);
        screen.password.handleClick(point);
    }
    screen.messageVisible = false;
    if (buttonHit(screen.loginButton, point)) attemptLoginFromScreen(screen, context);
    if (buttonHit(screen.registerButton, point) && !registerFromScreen(screen, context)) return LoginAction::None;
    if (buttonHit(screen.forgotButton, point)) return LoginAction::OpenForgotPassword;
    if (buttonHit(screen.vipButton, point)) return LoginAction::OpenVip;
    if (buttonHit(screen.quitButton, point)) return LoginAction::Quit;
    return LoginAction::None;
}

void hoverLoginButtons(LoginScreen& screen, sf::Vector2f point) {
    applyHover(screen.registerButton, point);
    applyHover(screen.quitButton, point);
    applyHover(screen.loginButton, point);
    applyHover(screen.forgotButton, point);
    applyHover(screen.vipButton, point);
}

void drawLoginScreen(sf::RenderTarget& target, const LoginScreen& screen) {
    target.draw(screen.password.box);
    target.draw(screen.userName.box);
    target.draw(screen.showPasswordBox);
    target.draw(screen.title);
    target.draw(screen.loginButton);
    target.draw(screen.registerButton);
    target.draw(screen.quitButton);
    target.draw(screen.forgotButton);
    target.draw(screen.vipButton);
    target.draw(screen.userName.text);
    target.draw(screen.password.text);
    target.draw(screen.passwordLabel);
    target.draw(screen.showPasswordLabel);
    target.draw(screen.userNameLabel);
    if (screen.messageVisible) target.draw(screen.message);
}

void resetLoginScreen(LoginScreen& screen) {
    screen.ordinaryLoginDone = false;
    screen.adminLoginDone = false;
    screen.messageVisible = false;
    screen.userName.reset();
    screen.password.reset();
    // The next person starts with their name.
    screen.password.loseFocus();
    screen.userName.takeFocus();
    // The next person's password is masked until they ask to see it.
    setShowPassword(screen, false);
}
