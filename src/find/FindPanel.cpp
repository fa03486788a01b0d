#include "find/FindPanel.h"

#include <algorithm>
#include <string>

#include "map/Vocabulary.h"
#include "widgets/FittedText.h"

namespace {

constexpr unsigned kLineSize = 24;
constexpr float kFirstRowY = 130.f;
constexpr float kRowHeight = 34.f;
constexpr float kNameX = 510.f;
constexpr float kTypeX = 680.f;
constexpr float kStarsX = 745.f;
// The field takes ten characters: what fits in its box.
constexpr unsigned kFieldMaxLength = 9;

float rowY(int line) { return kFirstRowY + kRowHeight * static_cast<float>(line); }

sf::Text line(const sf::Font& font, sf::Vector2f position, unsigned size = kLineSize) {
    sf::Text text(L"", font, size);
    text.setFillColor(sf::Color::Black);
    text.setPosition(position);
    return text;
}

int listedCount(const FindPanel& panel) { return std::min(kFindRows, panel.found.count - panel.first); }

// The rows show the found spots from the first listed one on.
void list(FindPanel& panel, const MapModel& map) {
    for (int i = 0; i < listedCount(panel); ++i) {
        const Spot& spot = map.spots[panel.found.spots[panel.first + i]];
        FindRow& row = panel.rows[i];
        // A long name is set smaller rather than run into its type.
        setFittedString(row.name, spot.name, kLineSize, 12, kTypeX - 8.f);
        row.type.setString(spot.type);
        row.stars.setString(std::to_wstring(spot.rating) + kRatingUnit);
        for (sf::Text* text : {&row.name, &row.type, &row.stars}) text->setFillColor(sf::Color::Black);
    }
    panel.count.setString(L"共 " + std::to_wstring(panel.found.count) + L" 处");
    panel.highlight.setPosition(kNameX - 5.f, rowY(panel.highlighted - panel.first) - 3.f);
}

void find(FindPanel& panel, const MapModel& map) {
    panel.found = findSpots(map, panel.field.typedText());
    panel.highlighted = 0;
    panel.first = 0;
    list(panel, map);
}

// Moves the highlight by one line, the list scrolling to keep it in sight.
void moveHighlight(FindPanel& panel, const MapModel& map, int step) {
    const int next = panel.highlighted + step;
    if (next < 0 || next >= panel.found.count) return;
    panel.highlighted = next;
    panel.first = std::clamp(panel.first, next - kFindRows + 1, next);
    list(panel, map);
}

FindAction chosen(const FindPanel& panel, bool forRoute) {
    if (panel.found.count == 0) return {};
    return {forRoute ? FindChoice::PickForRoute : FindChoice::Select, panel.found.spots[panel.highlighted]};
}

// The listed line under an interface point, or -1.
int lineAt(const FindPanel& panel, sf::Vector2f point) {
    for (int i = 0; i < listedCount(panel); ++i)
        if (sf::FloatRect(kNameX - 5.f, rowY(i) - 3.f, 290.f, kRowHeight).contains(point)) return i;
    return -1;
}

}  // namespace

void buildFindPanel(FindPanel& panel, const sf::Font& font) {
    panel.title = line(font, {550.f, 5.f}, 50);
    panel.title.setString(L"查找地点");
    TextField& field = panel.field;
    field.box.setPosition(kNameX, 72.f);
    field.box.setSize({280.f, 44.f});
    field.box.setFillColor(sf::Color::White);
    field.box.setOutlineColor(sf::Color::Red);
    field.text = line(font, {kNameX + 6.f, 77.f}, 26);
    field.placeholder = L"名称或类型";
    field.maxLength = kFieldMaxLength;
    for (int i = 0; i < kFindRows; ++i) {
        panel.rows[i] = FindRow{line(font, {kNameX, rowY(i)}), line(font, {kTypeX, rowY(i)}),
                                line(font, {kStarsX, rowY(i)})};
    }
    panel.highlight.setSize({290.f, kRowHeight});
    panel.highlight.setFillColor(sf::Color::White);
    panel.none = line(font, {kNameX, kFirstRowY}, 30);
    panel.none.setString(L"没有找到");
    panel.none.setFillColor(sf::Color::Yellow);
    panel.count = line(font, {kNameX, rowY(kFindRows) + 6.f});
}

void openFindPanel(FindPanel& panel, const MapModel& map) {
    panel.open = true;
    panel.field.reset();
    panel.field.takeFocus();
    find(panel, map);
}

FindAction handleFindKeys(FindPanel& panel, const MapModel& map, const sf::Event& event) {
    if (!panel.open) return {};
    if (event.type == sf::Event::KeyPressed) {
        const sf::Event::KeyEvent key = event.key;
        if (key.code == sf::Keyboard::F && key.control) return {FindChoice::Close, 0};
        if (key.code == sf::Keyboard::Return) return chosen(panel, key.shift);
        if (key.code == sf::Keyboard::Up || key.code == sf::Keyboard::Down) {
            moveHighlight(panel, map, key.code == sf::Keyboard::Up ? -1 : 1);
            return {};
        }
    }
    const sf::String before = panel.field.typedText();
    panel.field.handleEvent(event);
    if (panel.field.typedText() != before) find(panel, map);
    return {};
}

FindAction handleFindClick(FindPanel& panel, sf::Vector2f point, bool leftShift) {
    const int at = panel.open ? lineAt(panel, point) : -1;
    if (at < 0) return {};
    panel.highlighted = panel.first + at;
    return chosen(panel, leftShift);
}

void hoverFindPanel(FindPanel& panel, sf::Vector2f point) {
    if (!panel.open) return;
    const int at = lineAt(panel, point);
    for (int i = 0; i < listedCount(panel); ++i) {
        const bool white = i == at && panel.first + i != panel.highlighted;
        for (sf::Text* text : {&panel.rows[i].name, &panel.rows[i].type, &panel.rows[i].stars})
            text->setFillColor(white ? sf::Color::White : sf::Color::Black);
    }
}

void blinkFindField(FindPanel& panel, int seconds) {
    if (panel.open) panel.field.blink(seconds);
}

void drawFindPanel(sf::RenderTarget& target, const FindPanel& panel) {
    if (!panel.open) return;
    target.draw(panel.title);
    target.draw(panel.field.box);
    target.draw(panel.field.text);
    if (panel.found.count == 0) {
        target.draw(panel.none);
        return;
    }
    target.draw(panel.highlight);
    for (int i = 0; i < listedCount(panel); ++i) {
        target.draw(panel.rows[i].name);
        target.draw(panel.rows[i].type);
        target.draw(panel.rows[i].stars);
    }
    if (panel.found.count > kFindRows) target.draw(panel.count);
}

void resetFindPanel(FindPanel& panel) {
    panel.open = false;
    panel.field.loseFocus();
    panel.field.reset();
}
