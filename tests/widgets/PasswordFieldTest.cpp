#include <gtest/gtest.h>

#include "widgets/PasswordField.h"
#include "support/FieldEvents.h"

namespace {

const sf::Vector2f kInside(150, 120);
const sf::Vector2f kOutside(10, 10);

// A login password field: box from (100, 100) to (400, 170), seven ASCII
// characters at most.
PasswordField passwordField() {
    PasswordField field;
    field.box.setSize({300, 70});
    field.box.setPosition(100, 100);
    field.maxLength = 6;
    field.highest = 127;
    field.reset();
    field.handleClick(kInside);
    return field;
}

}  // namespace

TEST(PasswordField, MaskShowsOneStarPerCharacter) {
    PasswordField field = passwordField();
    typeText(field, L"a b1");
    EXPECT_EQ(field.content, sf::String(L"a b1"));
    EXPECT_EQ(field.text.getString(), sf::String(L"****"));
    field.handleEvent(keyPressed(sf::Keyboard::Backspace));
    EXPECT_EQ(field.text.getString(), sf::String(L"***"));
    typeText(field, L"xyz");
    EXPECT_EQ(field.display, sf::String(L"******"));
}

TEST(PasswordField, PlainToggleShowsTheContent) {
    PasswordField field = passwordField();
    typeText(field, L"pw12");
    field.setShowPlain(true);
    EXPECT_EQ(field.text.getString(), sf::String(L"pw12"));
    typeText(field, L"3");
    EXPECT_EQ(field.text.getString(), sf::String(L"pw123"));
    field.setShowPlain(false);
    EXPECT_EQ(field.text.getString(), sf::String(L"*****"));
}

TEST(PasswordField, ToggleOnEmptyFieldKeepsThePlaceholder) {
    PasswordField field;
    field.reset();
    field.setShowPlain(true);
    EXPECT_EQ(field.text.getString(), sf::String(L"输入密码"));
    EXPECT_EQ(field.text.getFillColor(), sf::Color(150, 150, 150));
}

TEST(PasswordField, TakesSevenAsciiCharactersAndNoControlKeys) {
    PasswordField field = passwordField();
    typeText(field, sf::String(L"\t\r中") + sf::String(sf::Uint32(8)) + sf::String(sf::Uint32(128)));
    EXPECT_EQ(field.content, sf::String());
    typeText(field, L"5820413x");
    EXPECT_EQ(field.content, sf::String(L"5820413"));
}

TEST(PasswordField, ClickOutsideShowsPlaceholderOnlyWhenEmpty) {
    PasswordField field = passwordField();
    EXPECT_TRUE(field.focused);
    EXPECT_EQ(field.box.getOutlineThickness(), 5);
    EXPECT_EQ(field.text.getFillColor(), sf::Color::Black);
    typeText(field, L"ab");
    field.handleClick(kOutside);
    EXPECT_FALSE(field.focused);
    EXPECT_EQ(field.box.getOutlineThickness(), 0);
    EXPECT_EQ(field.text.getString(), sf::String(L"**"));

    field.handleClick(kInside);
    field.handleEvent(keyPressed(sf::Keyboard::Backspace));
    field.handleEvent(keyPressed(sf::Keyboard::Backspace));
    field.handleEvent(keyPressed(sf::Keyboard::Backspace));  // nothing left to remove
    EXPECT_EQ(field.text.getString(), sf::String());
    field.handleClick(kOutside);
    EXPECT_EQ(field.text.getString(), sf::String(L"输入密码"));
    EXPECT_EQ(field.text.getFillColor(), sf::Color(150, 150, 150));
}
