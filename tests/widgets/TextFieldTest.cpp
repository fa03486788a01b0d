#include <gtest/gtest.h>

#include "widgets/TextField.h"
#include "support/FieldEvents.h"

namespace {

const sf::Vector2f kInside(150, 120);
const sf::Vector2f kOutside(10, 10);

// A login user-name field: box from (100, 100) to (400, 170).
TextField userNameField() {
    TextField field;
    field.box.setSize({300, 70});
    field.box.setPosition(100, 100);
    field.placeholder = L"输入用户名";
    field.maxLength = 6;
    field.reset();
    return field;
}

TextField focusedField(const sf::String& content = sf::String()) {
    TextField field = userNameField();
    field.handleClick(kInside);
    typeText(field, content);
    return field;
}

void pressBackSpace(TextField& field) { field.handleEvent(keyPressed(sf::Keyboard::Backspace)); }

}  // namespace

TEST(TextField, StartsWithGreyPlaceholderAndClickFocuses) {
    TextField field = userNameField();
    EXPECT_FALSE(field.focused);
    EXPECT_EQ(field.text.getString(), sf::String(L"输入用户名"));
    EXPECT_EQ(field.text.getFillColor(), sf::Color(150, 150, 150));

    field.handleClick(kInside);
    EXPECT_TRUE(field.focused);
    EXPECT_EQ(field.box.getOutlineThickness(), 5);
    EXPECT_EQ(field.text.getFillColor(), sf::Color::Black);
    EXPECT_EQ(field.text.getString(), sf::String());  // the empty content, not the placeholder

    field.handleClick(kOutside);
    EXPECT_FALSE(field.focused);
    EXPECT_EQ(field.box.getOutlineThickness(), 0);
    EXPECT_EQ(field.text.getString(), sf::String(L"输入用户名"));
    EXPECT_EQ(field.text.getFillColor(), sf::Color(150, 150, 150));
}

TEST(TextField, TakesSevenCharactersAndNoEighth) {
    TextField field = focusedField(L"云栖客abcd");
    EXPECT_EQ(field.content, sf::String(L"云栖客abcd"));
    typeText(field, L"e");
    EXPECT_EQ(field.content, sf::String(L"云栖客abcd"));
    EXPECT_EQ(field.text.getString(), sf::String(L"云栖客abcd"));

    // With the caret shown the seventh character still fits, in the caret's place.
    TextField shown = focusedField(L"abcdef");
    shown.blink(0);
    typeText(shown, L"gh");
    EXPECT_EQ(shown.content, sf::String(L"abcdefg"));
}

TEST(TextField, TypedCharacterReplacesTheCaret) {
    TextField field = focusedField(L"ab");
    field.blink(0);
    EXPECT_EQ(field.content, sf::String(L"ab|"));
    EXPECT_EQ(field.typedText(), sf::String(L"ab"));
    typeText(field, L"c");
    EXPECT_EQ(field.content, sf::String(L"abc"));
    EXPECT_EQ(field.text.getString(), sf::String(L"abc"));
    field.blink(1);  // nothing of the typed text goes
    EXPECT_EQ(field.content, sf::String(L"abc"));
    field.blink(2);
    EXPECT_EQ(field.content, sf::String(L"abc|"));
}

TEST(TextField, TypedBarSurvivesBlinkAndClick) {
    TextField hidden = focusedField(L"a|");
    hidden.blink(0);
    EXPECT_EQ(hidden.content, sf::String(L"a||"));
    hidden.blink(1);
    EXPECT_EQ(hidden.content, sf::String(L"a|"));
    hidden.blink(2);
    hidden.handleClick(kOutside);
    EXPECT_EQ(hidden.content, sf::String(L"a|"));
    EXPECT_EQ(hidden.text.getString(), sf::String(L"a|"));

    // Typed while the caret is shown, the bar takes the caret's place.
    TextField shown = focusedField(L"a");
    shown.blink(0);
    typeText(shown, L"|");
    EXPECT_EQ(shown.content, sf::String(L"a|"));
    shown.blink(1);
    EXPECT_EQ(shown.content, sf::String(L"a|"));
    EXPECT_EQ(shown.typedText(), sf::String(L"a|"));
    shown.handleClick(kOutside);
    EXPECT_EQ(shown.content, sf::String(L"a|"));
}

TEST(TextField, EmptyFocusedFieldShowsLoneCaretInEvenSecondsOnly) {
    TextField field = focusedField();
    field.blink(0);
    field.blink(0);  // at most one toggle a second
    EXPECT_EQ(field.content, sf::String(L"|"));
    EXPECT_EQ(field.text.getString(), sf::String(L"|"));
    EXPECT_EQ(field.typedText(), sf::String());
    field.blink(1);
    field.blink(1);
    EXPECT_EQ(field.content, sf::String());
    EXPECT_EQ(field.text.getString(), sf::String());  // not the placeholder
    field.blink(2);
    EXPECT_EQ(field.text.getString(), sf::String(L"|"));
}

TEST(TextField, ClickOutsideDuringCaretSecondRemovesIt) {
    TextField field = focusedField(L"ab");
    field.blink(4);
    field.handleClick(kOutside);
    EXPECT_EQ(field.content, sf::String(L"ab"));
    EXPECT_EQ(field.text.getString(), sf::String(L"ab"));
    EXPECT_TRUE(field.caretHidden);
    EXPECT_TRUE(field.caretAtEnd);

    TextField empty = focusedField();
    empty.blink(4);
    empty.handleClick(kOutside);
    EXPECT_EQ(empty.content, sf::String());
    EXPECT_EQ(empty.text.getString(), sf::String(L"输入用户名"));
    EXPECT_EQ(empty.text.getFillColor(), sf::Color(150, 150, 150));
}

TEST(TextField, NumericRangeRefusesLettersAndTakesSignsPointAndDigits) {
    TextField field;
    field.maxLength = 3;
    field.lowest = '-';
    field.highest = '9';
    typeText(field, L"a Z+-x.5中");
    EXPECT_EQ(field.content, sf::String(L"-.5"));
    typeText(field, L"/9");
    EXPECT_EQ(field.content, sf::String(L"-.5/"));  // four characters at most
    pressBackSpace(field);
    EXPECT_EQ(field.content, sf::String(L"-.5"));
}

TEST(TextField, TabReturnBackSpaceAndOtherControlCharactersAreNotTyped) {
    TextField field = focusedField(L"a");
    // Ctrl+Z and Ctrl+Y arrive as 26 and 25.
    typeText(field, sf::String(L"\t\r\x1a\x19\x7f") + sf::String(kBackSpaceCharacter));
    EXPECT_EQ(field.content, sf::String(L"a"));
    field.handleEvent(keyPressed(sf::Keyboard::A));
    field.handleEvent(keyReleased(sf::Keyboard::Backspace));
    EXPECT_EQ(field.content, sf::String(L"a"));
}

TEST(TextField, BackSpaceRemovesOneCharacterOrTheCaretAndOne) {
    TextField hidden = focusedField(L"abc");
    pressBackSpace(hidden);
    EXPECT_EQ(hidden.content, sf::String(L"ab"));
    EXPECT_EQ(hidden.text.getString(), sf::String(L"ab"));

    TextField shown = focusedField(L"abc");
    shown.blink(0);
    pressBackSpace(shown);
    EXPECT_EQ(shown.content, sf::String(L"ab"));
    EXPECT_EQ(shown.text.getString(), sf::String(L"ab"));
    pressBackSpace(shown);  // the caret is gone: one character only
    EXPECT_EQ(shown.content, sf::String(L"a"));
    shown.blink(1);  // no further character is taken for a caret
    EXPECT_EQ(shown.content, sf::String(L"a"));
    shown.blink(2);
    EXPECT_EQ(shown.content, sf::String(L"a|"));

    TextField empty = focusedField();
    pressBackSpace(empty);
    EXPECT_EQ(empty.content, sf::String());
}

TEST(TextField, FieldEmptiedByBackSpaceKeepsDisplayUntilNextBlink) {
    TextField hidden = focusedField(L"a");
    pressBackSpace(hidden);
    EXPECT_EQ(hidden.content, sf::String());
    EXPECT_EQ(hidden.text.getString(), sf::String(L"a"));
    hidden.blink(0);
    EXPECT_EQ(hidden.text.getString(), sf::String(L"|"));

    // Emptied while the caret was shown: the next odd second clears the
    // display and the caret comes back in the even second after it.
    TextField shown = focusedField(L"a");
    shown.blink(0);
    pressBackSpace(shown);
    EXPECT_EQ(shown.content, sf::String());
    EXPECT_EQ(shown.text.getString(), sf::String(L"a|"));
    shown.blink(1);
    EXPECT_EQ(shown.text.getString(), sf::String());
    shown.blink(2);
    EXPECT_EQ(shown.content, sf::String(L"|"));

    // The lone caret removed by BackSpace comes back too.
    TextField lone = focusedField();
    lone.blink(0);
    pressBackSpace(lone);
    EXPECT_EQ(lone.content, sf::String());
    lone.blink(1);
    lone.blink(2);
    EXPECT_EQ(lone.content, sf::String(L"|"));

    // A click refreshes it as well.
    TextField clicked = focusedField(L"a");
    pressBackSpace(clicked);
    clicked.handleClick(kOutside);
    EXPECT_EQ(clicked.text.getString(), sf::String(L"输入用户名"));
}

TEST(TextField, ResetEmptiesContentAndKeepsFocus) {
    TextField field = focusedField(L"abc");
    field.blink(0);
    field.reset();
    EXPECT_TRUE(field.focused);
    EXPECT_EQ(field.content, sf::String());
    EXPECT_EQ(field.text.getString(), sf::String(L"输入用户名"));
    EXPECT_EQ(field.text.getFillColor(), sf::Color(150, 150, 150));
    field.blink(2);  // the caret starts afresh
    EXPECT_EQ(field.content, sf::String(L"|"));
    typeText(field, L"x");
    EXPECT_EQ(field.text.getFillColor(), sf::Color::Black);
}
