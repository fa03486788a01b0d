#include "accounts/UserTable.h"

#include "accounts/AccountLimits.h"
#include "base/TextConvert.h"
#include "widgets/FittedText.h"

namespace {

constexpr float kCellOutline = 5.f;
constexpr unsigned kCellTextSize = 40;
constexpr unsigned kMessageSize = 50;
constexpr unsigned kSmallestMessageSize = 30;
// At the map view's home position the side panel covers map x from 610 on.
constexpr float kVisibleRight = 605.f;

// Row k of the table (0 the header) stands at this map y.
float rowTop(int k) { return 70.f + 60.f * static_cast<float>(k); }

sf::RectangleShape makeCell(sf::Vector2f size, sf::Vector2f position) {
    sf::RectangleShape cell(size);
    cell.setPosition(position);
    cell.setFillColor(sf::Color::Transparent);
    cell.setOutlineColor(sf::Color::Blue);
    cell.setOutlineThickness(kCellOutline);
    return cell;
}

sf::Text makeCellText(const sf::Font& font, const sf::String& string, sf::Vector2f position) {
    sf::Text text(string, font, kCellTextSize);
    text.setPosition(position);
    text.setFillColor(sf::Color::Black);
    return text;
}

void buildCellField(TextField& field, const sf::Font& font, const sf::String& placeholder, sf::Vector2f size,
                    sf::Vector2f position) {
    field.box = makeCell(size, position);
    field.text = makeCellText(font, L"", position + sf::Vector2f(5.f, 0.f));
    field.placeholder = placeholder;
    field.maxLength = kAccountFieldMaxLength;
    field.showPlaceholder();
}

UserTableRow makeRow(const sf::Font& font, int k) {
    const float y = rowTop(k);
    UserTableRow row;
    row.indexCell = makeCell({100.f, 60.f}, {-110.f, y});
    row.indexText = makeCellText(font, L"", {-110.f, y});
    buildCellField(row.name, font, L"空用户名", {300.f, 60.f}, {-10.f, y});
    buildCellField(row.password, font, L"空密码", {230.f, 60.f}, {290.f, y});
    return row;
}

// The table shows focus by a white fill; the outline stays at 5.
void focusCell(TextField& cell) {
    cell.focused = true;
    cell.box.setFillColor(sf::Color::White);
}

void unfocusCell(TextField& cell) {
    cell.loseFocus();
    cell.box.setFillColor(sf::Color::Transparent);
    cell.box.setOutlineThickness(kCellOutline);
}

// The outlines of neighbouring cells overlap by 10 units, so the area inside
// the outline decides: one click focuses at most one cell.
void clickCell(TextField& cell, bool editable, sf::Vector2f point) {
    const sf::FloatRect inside(cell.box.getPosition(), cell.box.getSize());
    if (editable && inside.contains(point)) {
        focusCell(cell);
        cell.showContent();
    } else {
        unfocusCell(cell);
    }
}

// Shows the text in black, or the grey placeholder when it is empty, with no
// caret; the focus is kept.
void setCell(TextField& cell, const sf::String& text) {
    cell.reset();
    if (text.isEmpty()) return;
    cell.content = text;
    cell.showContent();
}

void showPage(UserTable& table) {
    const PageRows shown = shownPage(table.store, table.page);
    for (int r = 0; r < kRowsPerPage; ++r) {
        UserTableRow& row = table.rows[r];
        setCell(row.name, shown.rows[r].name);
        setCell(row.password, shown.rows[r].password);
        row.indexText.setString(intToText(slotOf(table.page, r) + 1));
    }
    updateEditableRows(table.editable, shown);
}

// A file that cannot be read leaves the accounts of the last read.
void loadPage(UserTable& table, const std::string& usersPath) {
    const int count = readAccounts(usersPath, table.store);
    if (count >= 0) table.store.accountCount = count;
    showPage(table);
}

PageRows typedRows(const UserTable& table) {
    PageRows typed;
    for (int r = 0; r < kRowsPerPage; ++r)
        typed.rows[r] = RowText{table.rows[r].name.typedText(), table.rows[r].password.typedText()};
    return typed;
}

// A message too long to end left of the side panel is set smaller, so none
// of it hides under the panel.
void setMessage(sf::Text& message, const sf::String& text) {
    setFittedString(message, text, kMessageSize, kSmallestMessageSize, kVisibleRight);
}

void save(UserTable& table, const std::string& usersPath) {
    // While the last save's message is up nothing is checked or written.
    if (table.messageVisible) return;
    const SaveOutcome outcome = savePage(usersPath, table.store, table.page, typedRows(table));
    // A failed write keeps what was typed, so nothing is lost from the screen.
    if (outcome != SaveOutcome::WriteFailed) loadPage(table, usersPath);
    setMessage(table.message, saveMessageText(outcome));
    table.message.setFillColor(saveSucceeded(outcome) ? sf::Color::Green : sf::Color::Red);
    table.messageVisible = true;
}

void turnPage(UserTable& table, int step) {
    table.page += step;
    showPage(table);
}

void drawRow(sf::RenderTarget& target, const UserTableRow& row) {
    target.draw(row.name.box);
    target.draw(row.name.text);
    target.draw(row.indexCell);
    target.draw(row.indexText);
    target.draw(row.password.box);
    target.draw(row.password.text);
}

}  // namespace

void buildUserTable(UserTable& table, const sf::Font& font) {
    table.header = makeRow(font, 0);
    table.header.indexText.setString(L"序号");
    table.header.name.text = makeCellText(font, L"用户名", table.header.name.text.getPosition());
    table.header.password.text = makeCellText(font, L"密码", table.header.password.text.getPosition());
    for (int r = 0; r < kRowsPerPage; ++r) {
        table.rows[r] = makeRow(font, r + 1);
        table.rows[r].indexText.setString(intToText(r + 1));
    }

    table.previousButton = makeToolButton(font, L"上一页");
    table.previousButton.setPosition(20.f, 770.f);
    table.saveButton = copyButton(table.previousButton, L"保存修改", {180.f, 770.f});
    table.nextButton = copyButton(table.previousButton, L"下一页", {385.f, 770.f});

    table.message = sf::Text(L"", font, kMessageSize);
    table.message.setOrigin(50.f, 50.f);
    table.message.setPosition(145.f, 860.f);
    table.message.setFillColor(sf::Color::Red);
}

void openUserTable(UserTable& table, const std::string& usersPath) {
    resetUserTable(table);
    loadPage(table, usersPath);
}

void blinkUserTable(UserTable& table, int seconds) {
    for (UserTableRow& row : table.rows) {
        if (row.name.focused) row.name.blink(seconds);
        if (row.password.focused) row.password.blink(seconds);
    }
}

void handleUserTableKeys(UserTable& table, const sf::Event& event) {
    for (UserTableRow& row : table.rows) {
        if (row.name.focused) row.name.handleEvent(event);
        if (row.password.focused) row.password.handleEvent(event);
    }
    if (event.type != sf::Event::KeyPressed || event.key.code != sf::Keyboard::Tab) return;
    for (int r = 0; r < kRowsPerPage; ++r) {
        UserTableRow& row = table.rows[r];
        if (row.name.focused) {
            unfocusCell(row.name);
            focusCell(row.password);
            return;
        }
        if (!row.password.focused) continue;
        // The focus never goes where a click could not put it; the last
        // row's password, and one above a closed row, keep it.
        if (r + 1 < kRowsPerPage && table.editable[r + 1]) {
            unfocusCell(row.password);
            focusCell(table.rows[r + 1].name);
        }
        return;
    }
}

void handleUserTableClick(UserTable& table, sf::Vector2f point, const std::string& usersPath) {
    if (buttonHit(table.nextButton, point)) {
        if (canPageForward(table.page, table.store.accountCount)) turnPage(table, +1);
    } else if (buttonHit(table.previousButton, point)) {
        if (canPageBack(table.page)) turnPage(table, -1);
    }
    for (int r = 0; r < kRowsPerPage; ++r) {
        clickCell(table.rows[r].name, table.editable[r], point);
        clickCell(table.rows[r].password, table.editable[r], point);
    }
    if (!buttonHit(table.saveButton, point)) {
        table.messageVisible = false;
        return;
    }
    save(table, usersPath);
}

void hoverUserTableButtons(UserTable& table, sf::Vector2f point) {
    applyHover(table.nextButton, point);
    applyHover(table.previousButton, point);
    applyHover(table.saveButton, point);
}

void drawUserTable(sf::RenderTarget& target, const UserTable& table) {
    drawRow(target, table.header);
    for (const UserTableRow& row : table.rows) drawRow(target, row);
    target.draw(table.previousButton);
    target.draw(table.nextButton);
    target.draw(table.saveButton);
    if (table.messageVisible) target.draw(table.message);
}

void resetUserTable(UserTable& table) {
    for (UserTableRow& row : table.rows) {
        unfocusCell(row.name);
        unfocusCell(row.password);
    }
    table.messageVisible = false;
    table.page = 0;
}
