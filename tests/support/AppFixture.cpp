#include "support/AppFixture.h"

#include <unistd.h>

#include "map/HitTest.h"
#include "map/MapFiles.h"
#include "support/Events.h"
#include "support/RunTree.h"

void AppFixture::SetUp() {
    char buffer[4096];
    previousDir_ = getcwd(buffer, sizeof buffer) ? buffer : ".";
    copyRunTree(dir.path());
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
}

void AppFixture::TearDown() {
    app.reset();
    if (chdir(previousDir_.c_str()) != 0) ADD_FAILURE() << "cannot return to " << previousDir_;
}

App& AppFixture::createApp() {
    Platform platform;
    platform.isKeyPressed = [this](sf::Keyboard::Key key) { return heldKeys.count(key) > 0; };
    platform.sleep = [this](int milliseconds) {
        sleeps.push_back(milliseconds);
        if (onSleep) onSleep(milliseconds);
    };
    platform.wholeSeconds = [this] { return seconds; };
    platform.console = &console_;
    app = std::make_unique<App>(platform);
    return *app;
}

App& AppFixture::startApp() {
    createApp();
    EXPECT_EQ(app->startUp(), 0);
    return *app;
}

App& AppFixture::startLoggedIn(const std::wstring& name, const std::wstring& password, Screen screen) {
    startApp();
    logIn(name, password);
    EXPECT_EQ(app->frame.screen, screen);
    sleeps.clear();
    return *app;
}

App& AppFixture::startAsUser() { return startLoggedIn(L"游客", L"123456", kUserScreen); }

App& AppFixture::startAsAdmin() { return startLoggedIn(L"云栖客", L"5820413", kAdminScreen); }

void AppFixture::writeMapFiles(const TextTable& spots, const TextTable& roads) {
    writeBytes(dir.file(kSpotsFile), mapFileText(spots));
    writeBytes(dir.file(kRoadsFile), mapFileText(roads));
}

void AppFixture::send(std::initializer_list<sf::Event> events) {
    for (const sf::Event& event : events) send(event);
}

void AppFixture::click(sf::Vector2i pixel, sf::Mouse::Button button) {
    press(pixel, button);
    release(pixel, button);
}

void AppFixture::shiftClick(sf::Vector2i pixel, sf::Mouse::Button button) {
    heldKeys.insert(sf::Keyboard::LShift);
    press(pixel, button);
    heldKeys.erase(sf::Keyboard::LShift);
    release(pixel, button);
}

void AppFixture::press(sf::Vector2i pixel, sf::Mouse::Button button) { send(mousePress(pixel.x, pixel.y, button)); }

void AppFixture::release(sf::Vector2i pixel, sf::Mouse::Button button) {
    send(mouseRelease(pixel.x, pixel.y, button));
}

void AppFixture::moveMouse(sf::Vector2i pixel) { send(mouseMove(pixel.x, pixel.y)); }

void AppFixture::scrollWheel(float delta, int steps) {
    for (int i = 0; i < steps; ++i) send(wheel(delta));
}

void AppFixture::typeText(const std::wstring& text) {
    for (wchar_t c : text) send(textEntered(static_cast<sf::Uint32>(c)));
}

sf::Vector2i AppFixture::mapPixel(sf::Vector2f point) const {
    return app->window.mapCoordsToPixel(point, app->views.mapView);
}

sf::Vector2i AppFixture::interfacePixel(sf::Vector2f point) const {
    return app->window.mapCoordsToPixel(point, app->views.interfaceView);
}

sf::Vector2i AppFixture::spotPixel(int n) const { return mapPixel(app->map.spots[n].centre()); }

sf::Vector2i AppFixture::roadPixel(int n) const {
    const Road& road = app->map.roads[n];
    const sf::Vector2f a = app->map.spots[road.startSpot].centre();
    const sf::Vector2f b = app->map.spots[road.endSpot].centre();
    return mapPixel((a + b) / 2.f);
}

sf::Vector2i AppFixture::buttonPixel(const sf::Text& button) const {
    const sf::FloatRect bounds = button.getGlobalBounds();
    return interfacePixel({bounds.left + bounds.width / 2, bounds.top + bounds.height / 2});
}

sf::Vector2f AppFixture::mapPoint(sf::Vector2i pixel) const {
    return app->window.mapPixelToCoords(pixel, app->views.mapView);
}

bool AppFixture::nothingAt(sf::Vector2i pixel) const {
    const sf::Vector2f point = mapPoint(pixel);
    for (int n = 1; n <= app->map.spotCount; ++n)
        if (spotContains(app->map.spots[n], point)) return false;
    for (int n = 1; n <= app->map.roadCount; ++n)
        if (roadContains(app->map.roads[n], point)) return false;
    return true;
}

std::vector<int> AppFixture::outlinedSpots() const {
    std::vector<int> numbers;
    for (int n = 1; n <= app->map.spotCount; ++n)
        if (app->map.spots[n].circle.getOutlineThickness() != 0.f) numbers.push_back(n);
    return numbers;
}

std::vector<int> AppFixture::outlinedRoads() const {
    std::vector<int> numbers;
    for (int n = 1; n <= app->map.roadCount; ++n)
        if (app->map.roads[n].bar.getOutlineThickness() != 0.f) numbers.push_back(n);
    return numbers;
}

sf::Image AppFixture::frame() {
    // Draw (the login pause only records its sleep), then read back the
    // frame buffer the drawing left behind.
    app->drawScreen();
    sf::Texture texture;
    texture.create(app->window.getSize().x, app->window.getSize().y);
    texture.update(app->window);
    return texture.copyToImage();
}

void AppFixture::logIn(const std::wstring& name, const std::wstring& password) {
    App& a = *app;
    click(mapPixel(a.login.userName.box.getPosition()));
    typeText(name);
    send(keyPress(sf::Keyboard::Tab));
    typeText(password);
    send(keyPress(sf::Keyboard::Return));
    a.drawScreen();
}
