#include "support/AppFixture.h"

#include <unistd.h>

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
    platform.sleep = [this](int milliseconds) { sleeps.push_back(milliseconds); };
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

void AppFixture::send(std::initializer_list<sf::Event> events) {
    for (const sf::Event& event : events) send(event);
}

void AppFixture::click(sf::Vector2i pixel, sf::Mouse::Button button) {
    send({mousePress(pixel.x, pixel.y, button), mouseRelease(pixel.x, pixel.y, button)});
}

void AppFixture::shiftClick(sf::Vector2i pixel) {
    heldKeys.insert(sf::Keyboard::LShift);
    send(mousePress(pixel.x, pixel.y));
    heldKeys.erase(sf::Keyboard::LShift);
    send(mouseRelease(pixel.x, pixel.y));
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

sf::Image AppFixture::frame() {
    // Draw without letting the login pause sleep for real, then read back
    // the frame buffer the drawing left behind.
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
