#include "route/ComparisonPanel.h"

namespace {

constexpr unsigned kHintSize = 20;
constexpr unsigned kEntrySize = 24;
// Below the section's top: the hint, the first entry, and each entry's two
// lines with a little room between entries.
constexpr float kHintDrop = 40.f;
constexpr float kListDrop = 72.f;
constexpr float kEntryHeight = 66.f;
// The visible width of the side panel, from the body's left edge.
constexpr float kRowLeft = -10.f;
constexpr float kRowWidth = 300.f;

sf::Text sectionText(const sf::Font& font, const wchar_t* text, unsigned size) {
    sf::Text line(text, font, size);
    line.setFillColor(sf::Color::Black);
    return line;
}

float entryTop(const ComparisonPanel& panel, int i) {
    return panel.top + kListDrop + kEntryHeight * static_cast<float>(i);
}

// The band of the panel an entry occupies, in the body's own units.
sf::FloatRect entryRow(const ComparisonPanel& panel, int i) {
    return sf::FloatRect(kRowLeft, entryTop(panel, i) - 4.f, kRowWidth, kEntryHeight);
}

// The entry under an interface point, or -1.
int entryAt(const ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point) {
    const sf::Vector2f local = point - body.getPosition();
    for (int i = 0; i < kCriterionCount; ++i)
        if (entryRow(panel, i).contains(local)) return i;
    return -1;
}

// The body's text ends; the section starts after one empty line.
float sectionTop(const sf::Text& body) {
    const sf::Vector2f end = body.findCharacterPos(body.getString().getSize()) - body.getPosition();
    const float line = body.getFont() ? body.getFont()->getLineSpacing(body.getCharacterSize()) : 0.f;
    return end.y + 2.f * line;
}

}  // namespace

void buildComparisonPanel(ComparisonPanel& panel, const sf::Font& font) {
    panel.heading = sectionText(font, L"各方式比较", 30);
    panel.hint = sectionText(font, L"点击或按数字键1-7切换", kHintSize);
    for (sf::Text& entry : panel.entries) entry = sectionText(font, L"", kEntrySize);
    panel.mark.setSize({kRowWidth - 10.f, kEntryHeight - 4.f});
    panel.mark.setFillColor(sf::Color::Green);
}

void showComparison(ComparisonPanel& panel, const sf::Text& body, const RouteComparison& comparison,
                    Criterion inForce, int start, int end) {
    panel.report = body.getString();
    panel.start = start;
    panel.end = end;
    panel.top = sectionTop(body);
    panel.heading.setPosition(0.f, panel.top);
    panel.hint.setPosition(0.f, panel.top + kHintDrop);
    for (Criterion c : kCriteria) {
        const int i = criterionIndex(c);
        const std::wstring mark = c == inForce ? L"（当前）" : L"";
        panel.entries[i].setString(criterionCaption(c) + mark + L"\n" + comparisonFigures(comparison.routes[i]));
        panel.entries[i].setPosition(0.f, entryTop(panel, i));
    }
    panel.mark.setPosition(kRowLeft + 5.f, entryTop(panel, criterionIndex(inForce)) - 4.f);
}

bool comparisonShown(const ComparisonPanel& panel, const sf::Text& body) {
    return !panel.report.isEmpty() && body.getString() == panel.report;
}

float comparisonTop(const ComparisonPanel& panel, const sf::Text& body) { return body.getPosition().y + panel.top; }

std::optional<Criterion> handleComparisonKeys(const ComparisonPanel& panel, const sf::Text& body,
                                              const sf::Event& event) {
    if (event.type != sf::Event::KeyPressed || !comparisonShown(panel, body)) return std::nullopt;
    if (event.key.control || event.key.alt || event.key.system) return std::nullopt;
    for (int i = 0; i < kCriterionCount; ++i) {
        if (event.key.code == sf::Keyboard::Num1 + i || event.key.code == sf::Keyboard::Numpad1 + i)
            return kCriteria[i];
    }
    return std::nullopt;
}

void handleComparisonClick(ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point) {
    panel.pressed = comparisonShown(panel, body) ? entryAt(panel, body, point) : -1;
    panel.pressedBodyY = body.getPosition().y;
}

std::optional<Criterion> releaseComparison(ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point) {
    const int pressed = panel.pressed;
    panel.pressed = -1;
    if (pressed < 0 || !comparisonShown(panel, body)) return std::nullopt;
    // A press that began a scroll of the panel chooses nothing.
    if (body.getPosition().y != panel.pressedBodyY || entryAt(panel, body, point) != pressed) return std::nullopt;
    return kCriteria[pressed];
}

void hoverComparison(ComparisonPanel& panel, const sf::Text& body, sf::Vector2f point) {
    const int hovered = comparisonShown(panel, body) ? entryAt(panel, body, point) : -1;
    for (int i = 0; i < kCriterionCount; ++i)
        panel.entries[i].setFillColor(i == hovered ? sf::Color::White : sf::Color::Black);
}

void drawComparison(sf::RenderTarget& target, const ComparisonPanel& panel, const sf::Text& body) {
    if (!comparisonShown(panel, body)) return;
    sf::RenderStates states;
    states.transform.translate(body.getPosition());
    target.draw(panel.mark, states);
    target.draw(panel.heading, states);
    target.draw(panel.hint, states);
    for (const sf::Text& entry : panel.entries) target.draw(entry, states);
}

void resetComparison(ComparisonPanel& panel) {
    panel.report.clear();
    panel.pressed = -1;
}
