#pragma once
// The administrator's table of the ordinary accounts, ten rows a page, drawn
// in place of the map: names and passwords are edited in their cells, a row
// is appended on the first empty row, an account is removed by emptying both
// its cells, and "保存修改" writes the page back. Its widgets stand in map
// coordinates: it is drawn and clicked through the map view at its home
// position.
#include <SFML/Graphics.hpp>
#include <string>

#include "accounts/AccountStore.h"
#include "accounts/UserTableRules.h"
#include "widgets/TextButton.h"
#include "widgets/TextField.h"

struct UserTableRow {
    sf::RectangleShape indexCell;
    sf::Text indexText;  // the account's number from 1
    TextField name;      // placeholder "空用户名"
    TextField password;  // placeholder "空密码"
};

struct UserTable {
    UserTableRow header;  // "序号", "用户名", "密码"
    UserTableRow rows[kRowsPerPage];
    // Per row, for both its cells: the cells take clicks and so can get the
    // focus.
    bool editable[kRowsPerPage] = {};
    TextButton previousButton;  // "上一页"
    TextButton saveButton;      // "保存修改"
    TextButton nextButton;      // "下一页"
    sf::Text message;
    // A save or refusal shows the message; only another click hides it, so
    // a second "保存修改" right after a save writes nothing.
    bool messageVisible = false;
    int page = 0;
    // The accounts as of the table's last read of the users file.
    AccountStore store;
};

void buildUserTable(UserTable& table, const sf::Font& font);

// Opening: page 0, no focus, no message, and a fresh read of the users file.
// When the file cannot be read the table shows the accounts of its last
// read.
void openUserTable(UserTable& table, const std::string& usersPath);

// The caret of the focused cells.
void blinkUserTable(UserTable& table, int seconds);

// Each focused cell takes the event; then a Tab press moves the focus on
// from the focused cell: from a name to its row's password, from a password
// to the next row's name (where that row takes clicks).
void handleUserTableKeys(UserTable& table, const sf::Event& event);

// A left click at a map point: "下一页" or else "上一页", then the cells
// (the editable cell under the point gets the focus and a white fill, every
// other loses both), then "保存修改". Every click but one on "保存修改" hides
// the message. A save or refusal rereads the page from the users file, except
// after a failed write, which keeps the typed rows.
void handleUserTableClick(UserTable& table, sf::Vector2f point, const std::string& usersPath);

void hoverUserTableButtons(UserTable& table, sf::Vector2f point);

void drawUserTable(sf::RenderTarget& target, const UserTable& table);

// After logout: no focus, no message, page 0.
void resetUserTable(UserTable& table);
