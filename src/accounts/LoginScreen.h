#pragma once
// The first screen: log in as the administrator or an ordinary user,
// register an account, open the QR page, or quit. Its widgets stand in map
// coordinates, since it is drawn through the map view at its home position.
#include <SFML/Graphics.hpp>
#include <string>

#include "accounts/AccountStore.h"
#include "widgets/PasswordField.h"
#include "widgets/TextField.h"
#include "widgets/TextButton.h"

enum class LoginAction { None, OpenForgotPassword, OpenVip, Quit };

// What a login or registration touches outside the screen.
struct LoginContext {
    AccountStore& accounts;
    sf::Text& userLine;
    std::string usersPath;
};

struct LoginScreen {
    sf::Text title;
    TextButton loginButton;
    TextButton registerButton;
    TextButton quitButton;
    TextButton forgotButton;
    TextButton vipButton;
    sf::Text userNameLabel;
    sf::Text passwordLabel;
    sf::Text showPasswordLabel;
    sf::Text message;
    TextField userName;
    PasswordField password;
    sf::RectangleShape showPasswordBox;

    bool nextClickShows = true;  // the show-password box's next click shows the password
    bool messageVisible = false;
    bool ordinaryLoginDone = false;
    bool adminLoginDone = false;
};

void buildLoginScreen(LoginScreen& screen, const sf::Font& font);

// The caret of the focused user-name field.
void blinkLoginFields(LoginScreen& screen, int seconds);

// Typing, BackSpace, Tab and Return on the login screen.
void handleLoginKeys(LoginScreen& screen, const sf::Event& event, LoginContext context);

// A left click at a map point; returns what the App must do next.
LoginAction handleLoginClick(LoginScreen& screen, sf::Vector2f point, LoginContext context);

void hoverLoginButtons(LoginScreen& screen, sf::Vector2f point);

void drawLoginScreen(sf::RenderTarget& target, const LoginScreen& screen);

// After logout: no login done, fields empty with their grey placeholders,
// the focus in the user name, message hidden, the password masked.
void resetLoginScreen(LoginScreen& screen);
