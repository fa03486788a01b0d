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

AppProbe AppFixture::createApp() {
    AppSeams seams;
    seams.isKeyPressed = [this](sf::Keyboard::Key key) { return heldKeys.count(key) > 0; };
    seams.sleep = [this](int milliseconds) {
        sleeps.push_back(milliseconds);
        if (onSleep) onSleep(milliseconds);
    };
    seams.wholeSeconds = [this] { return seconds; };
    seams.console = &console_;
    app = std::make_unique<App>(seams);
    return probe();
}

AppProbe AppFixture::startApp() {
    createApp();
    EXPECT_EQ(app->startUp(), 0);
    return probe();
}

AppProbe AppFixture::startLoggedIn(const std::wstring& name, const std::wstring& password, Screen screen) {
    startApp();
    logIn(name, password);
    EXPECT_EQ(probe().frame.screen, screen);
    sleeps.clear();
    return probe();
}

AppProbe AppFixture::startAsUser() { return startLoggedIn(L"游客", L"123456", kUserScreen); }

AppProbe AppFixture::startAsAdmin() { return startLoggedIn(L"云栖客", L"5820413", kAdminScreen); }

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
    return probe().window.mapCoordsToPixel(point, probe().views.mapView);
}

sf::Vector2i AppFixture::interfacePixel(sf::Vector2f point) const {
    return probe().window.mapCoordsToPixel(point, probe().views.interfaceView);
}

sf::Vector2i AppFixture::spotPixel(int n) const { return mapPixel(probe().map.spots[n].centre()); }

sf::Vector2i AppFixture::roadPixel(int n) const {
    const Road& road = probe().map.roads[n];
    const sf::Vector2f a = probe().map.spots[road.startSpot].centre();
    const sf::Vector2f b = probe().map.spots[road.endSpot].centre();
    return mapPixel((a + b) / 2.f);
}

sf::Vector2i AppFixture::buttonPixel(const sf::Text& button) const {
    const sf::FloatRect bounds = button.getGlobalBounds();
    return interfacePixel({bounds.left + bounds.width / 2, bounds.top + bounds.height / 2});
}

sf::Vector2f AppFixture::mapPoint(sf::Vector2i pixel) const {
    return probe().window.mapPixelToCoords(pixel, probe().views.mapView);
}

bool AppFixture::nothingAt(sf::Vector2i pixel) const {
    const sf::Vector2f point = mapPoint(pixel);
    for (int n = 1; n <= probe().map.spotCount; ++n)
        if (spotContains(probe().map.spots[n], point)) return false;
    for (int n = 1; n <= probe().map.roadCount; ++n)
        if (roadContains(probe().map.roads[n], point)) return false;
    return true;
}

std::vector<int> AppFixture::outlinedSpots() const {
    std::vector<int> numbers;
    for (int n = 1; n <= probe().map.spotCount; ++n)
        if (probe().map.spots[n].circle.getOutlineThickness() != 0.f) numbers.push_back(n);
    return numbers;
}

std::vector<int> AppFixture::outlinedRoads() const {
    std::vector<int> numbers;
    for (int n = 1; n <= probe().map.roadCount; ++n)
        if (probe().map.roads[n].bar.getOutlineThickness() != 0.f) numbers.push_back(n);
    return numbers;
}

sf::Image AppFixture::frame() {
    // Draw (the login pause only records its sleep), then read back the
    // frame buffer the drawing left behind.
    app->drawScreen();
    sf::Texture texture;
    texture.create(probe().window.getSize().x, probe().window.getSize().y);
    texture.update(probe().window);
    return texture.copyToImage();
}

void AppFixture::logIn(const std::wstring& name, const std::wstring& password) {
    AppProbe a = probe();
    click(mapPixel(a.login.userName.box.getPosition()));
    typeText(name);
    send(keyPress(sf::Keyboard::Tab));
    typeText(password);
    send(keyPress(sf::Keyboard::Return));
    a.app.drawScreen();
}
