#include "settings/SettingsPage.h"

#include "base/TextConvert.h"
#include "settings/VolumeKnob.h"

namespace {

// The order in which a press tests the criteria.
constexpr Criterion kCriterionClickOrder[kCriterionCount] = {
    Criterion::Speed,        Criterion::Distance,      Criterion::Cost,       Criterion::Rating,
    Criterion::HighwayFirst, Criterion::OrdinaryFirst, Criterion::FewestRoads};

// A page switch: its rectangle outlined in blue, its label placed apart.
ToggleButton pageSwitch(const TextButton& label, sf::Vector2f rectPosition, sf::Vector2f size) {
    ToggleButton button;
    button.rect.setPosition(rectPosition);
    button.rect.setSize(size);
    button.rect.setOutlineColor(sf::Color::Blue);
    button.rect.setOutlineThickness(5.f);
    button.label = label;
    return button;
}

ToggleButton toolSwitch(const TextButton& model, const wchar_t* caption, sf::Vector2f rectPosition) {
    return pageSwitch(copyButton(model, caption, rectPosition + sf::Vector2f(80.f, 35.f)), rectPosition,
                      {190.f, 70.f});
}

ToggleButton transportSwitch(const TextButton& model, const wchar_t* caption, sf::Vector2f rectPosition,
                             sf::Vector2f size, sf::Vector2f labelPosition) {
    return pageSwitch(copyButton(model, caption, labelPosition), rectPosition, size);
}

sf::Text heading(const sf::Font& font, const wchar_t* caption, sf::Vector2f position) {
    sf::Text text(caption, font, 40);
    text.setOrigin(65.f, 30.f);
    text.setScale(1.1f, 1.1f);
    text.setFillColor(sf::Color::Black);
    text.setPosition(position);
    return text;
}

sf::RectangleShape sliderPart(sf::Vector2f size, sf::Vector2f position, sf::Color fill) {
    sf::RectangleShape rect(size);
    rect.setOrigin(50.f, 50.f);
    rect.setPosition(position);
    rect.setFillColor(fill);
    rect.setOutlineColor(sf::Color::Blue);
    rect.setOutlineThickness(5.f);
    return rect;
}

void buildSlider(SettingsPage& page, const sf::Font& font) {
    page.bar = sliderPart({200.f, 10.f}, {80.f, 190.f}, sf::Color::White);
    page.leftCap = sliderPart({15.f, 40.f}, {75.f, 175.f}, sf::Color::Green);
    page.numberBox = sliderPart({47.f, 40.f}, {275.f, 175.f}, sf::Color::Green);

    page.number = sf::Text(intToText(volumeNumber(kFullVolume)), font, 25);
    page.number.setFillColor(sf::Color::Yellow);
    page.number.setOrigin(65.f, 30.f);
    page.number.setPosition(290.f, 160.f);
    page.number.setScale(1.f, 1.2f);

    page.knob.setRadius(15.f);
    page.knob.setFillColor(sf::Color::Green);
    page.knob.setOutlineColor(sf::Color::Black);
    page.knob.setOutlineThickness(3.f);
    page.knob.setOrigin(20.f, 20.f);
    page.knob.setPosition(kKnobFullX, 150.f);
}

void startKnobDrag(SettingsPage& page) {
    page.dragging = true;
    page.knob.setFillColor(sf::Color::Blue);
}

}  // namespace

void buildSettingsPage(SettingsPage& page, const sf::Font& font) {
    const TextButton tool = makeToolButton(font, L"");
    page.fullScreen = toolSwitch(tool, L"画面全屏", {40.f, 379.f});
    page.animation = toolSwitch(tool, L"寻路动画", {40.f, 464.f});
    for (Criterion c : kCriteria) {
        const int i = criterionIndex(c);
        page.criteria[i] = toolSwitch(tool, criterionCaption(c), {295.f, 95.f + 70.f * static_cast<float>(i)});
    }

    TextButton music = makeLargeButton(font, L"");
    music.setCharacterSize(40);
    page.pause = transportSwitch(music, L"暂停", {20.f, 185.f}, {110.f, 60.f}, {85.f, 238.f});
    page.play = transportSwitch(music, L"播放", {155.f, 185.f}, {110.f, 60.f}, {220.f, 238.f});
    page.stop = transportSwitch(music, L"停止", {80.f, 258.f}, {120.f, 60.f}, {150.f, 310.f});

    page.criterionHeading = heading(font, L"寻路方式", {372.f, 60.f});
    page.volumeHeading = heading(font, L"音量控制", {120.f, 80.f});
    buildSlider(page, font);
}

SettingsAction handleSettingsPageClick(SettingsPage& page, SettingsContext context, sf::Vector2f point) {
    if (toggleHit(page.animation, point)) context.routeAnimation = !context.routeAnimation;
    for (Criterion c : kCriterionClickOrder) {
        if (toggleHit(page.criteria[criterionIndex(c)], point))
            selectCriterion(context.criterion, c, context.graph, context.map);
    }
    const SettingsAction action = toggleHit(page.fullScreen, point) ? SettingsAction::ToggleFullScreen
                                                                    : SettingsAction::None;
    if (toggleHit(page.pause, point)) pauseMusic(context.music);
    if (toggleHit(page.play, point)) playMusic(context.music);
    if (toggleHit(page.stop, point)) stopMusic(context.music);
    if (page.knob.getGlobalBounds().contains(point)) startKnobDrag(page);
    return action;
}

void dragVolumeKnob(SettingsPage& page, BackgroundMusic& music, sf::Vector2f point) {
    if (!page.dragging) return;
    const KnobPlace place = knobPlace(point.x);
    page.knob.setPosition(place.x, page.knob.getPosition().y);
    page.number.setString(intToText(volumeNumber(setMusicVolume(music, place.volume))));
}

void releaseVolumeKnob(SettingsPage& page) {
    page.dragging = false;
    page.knob.setFillColor(sf::Color::Green);
}

void hoverSettingsPage(SettingsPage& page, sf::Vector2f point) {
    applyHover(page.animation.label, point);
    applyHover(page.fullScreen.label, point);
    for (ToggleButton& button : page.criteria) applyHover(button.label, point);
    applyHover(page.stop.label, point);
    applyHover(page.play.label, point);
    applyHover(page.pause.label, point);
}

void drawSettingsPage(sf::RenderTarget& target, const SettingsPage& page, const RouteCriterion& criterion,
                      bool routeAnimation, Transport transport) {
    drawToggleButton(target, page.fullScreen, page.fullScreenOn);
    drawToggleButton(target, page.animation, routeAnimation);
    target.draw(page.criterionHeading);
    target.draw(page.volumeHeading);
    target.draw(page.bar);
    target.draw(page.knob);
    target.draw(page.leftCap);
    target.draw(page.numberBox);
    target.draw(page.number);
    drawToggleButton(target, page.stop, transport == Transport::Stopped);
    drawToggleButton(target, page.play, transport == Transport::Playing);
    drawToggleButton(target, page.pause, transport == Transport::Paused);
    for (int i = 0; i < kCriterionCount; ++i) drawToggleButton(target, page.criteria[i], criterion.flags[i]);
}
