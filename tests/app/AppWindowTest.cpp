// The App frame in a real window: start-up and its missing-asset exit, and
// the closing steps of the event dispatch.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/TempDir.h"

using AppWindow = AppFixture;

namespace {

// In the order start-up loads them.
const char* const kAssetFiles[] = {"resource/c.txt",     "resource/b.txt",     "resource/a.txt",
                                   "resource/market.jpg", "resource/food.jpg",  "resource/bank.jpg",
                                   "resource/hotel.jpg",  "resource/main.ogg"};
constexpr int kAssetCount = 8;
constexpr int kTextureCount = 7;

std::vector<const sf::Texture*> texturesInLoadOrder(const Assets& assets) {
    return {&assets.vipPaymentCode, &assets.recoveryPaymentCode, &assets.friendCode, &assets.market, &assets.food, &assets.bank, &assets.hotel};
}

sf::Event eventOfType(sf::Event::EventType type) {
    sf::Event event{};
    event.type = type;
    return event;
}

sf::Event keyRelease(sf::Keyboard::Key key) {
    sf::Event event = keyPress(key);
    event.type = sf::Event::KeyReleased;
    return event;
}

}  // namespace

TEST_F(AppWindow, StartsOnCyanLoginScreenWithMapViewAtHome) {
    AppProbe a = startApp();
    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_EQ(a.window.getSize(), sf::Vector2u(640, 480));
    EXPECT_EQ(a.views.mapView.getCenter(), sf::Vector2f(450.f, 450.f));
    EXPECT_EQ(a.views.mapView.getSize(), sf::Vector2f(1280.f, 960.f));
    const sf::Image shot = frame();
    EXPECT_EQ(shot.getPixel(5, 5), sf::Color::Cyan);
}

TEST_F(AppWindow, AFullStartUpLoadsEveryAssetAndTheSampleMap) {
    AppProbe a = startApp();
    for (const sf::Texture* texture : texturesInLoadOrder(a.assets)) EXPECT_NE(texture->getSize(), sf::Vector2u());
    EXPECT_GT(a.assets.background.music.getDuration(), sf::Time::Zero);
    EXPECT_EQ(a.map.spotCount, 25);
    EXPECT_EQ(a.map.roadCount, 43);
    EXPECT_EQ(consoleText().find("素材丢失"), std::string::npos);
    EXPECT_TRUE(sleeps.empty());
    EXPECT_TRUE(a.window.isOpen());
}

TEST_F(AppWindow, StartUpFinishesAKilledSaveOfBothMapFilesBeforeReadingThem) {
    // Killed between the two renames: the spots file is already new, the
    // roads file's new content (its first 40 lines) still a temporary file.
    const std::string roads = readBytes(dir.file("Data/route.txt"));
    std::string first40;
    for (size_t pos = 0, line = 0; line < 40; ++line) {
        const size_t end = roads.find('\n', pos) + 1;
        first40 += roads.substr(pos, end - pos);
        pos = end;
    }
    writeBytes(dir.file("Data/route.txt.tmp"), first40);
    writeBytes(dir.file("Data/cross.txt.commit"), "");
    writeBytes(dir.file("Data/users.txt.tmp"), "half a rec");
    AppProbe a = startApp();
    EXPECT_EQ(a.map.roadCount, 40);
    EXPECT_EQ(readBytes(dir.file("Data/route.txt")), first40);
    for (const char* left : {"Data/route.txt.tmp", "Data/cross.txt.commit", "Data/users.txt.tmp"})
        EXPECT_FALSE(fileExists(dir.file(left))) << left;
}

// ---- a missing asset ----

class MissingAssetWindow : public AppFixture, public ::testing::WithParamInterface<int> {};

TEST_P(MissingAssetWindow, StartUpWarnsPausesAndStopsAtTheMissingFile) {
    const int missing = GetParam();
    ASSERT_TRUE(std::filesystem::remove(dir.file(kAssetFiles[missing])));
    AppProbe a = createApp();

    EXPECT_EQ(a.app.startUp(), 1);
    EXPECT_EQ(consoleText(), "警告：素材丢失");
    EXPECT_EQ(sleeps, std::vector<int>{1000});

    // The files before the missing one were loaded, nothing from it on.
    const std::vector<const sf::Texture*> textures = texturesInLoadOrder(a.assets);
    for (int i = 0; i < kTextureCount; ++i) {
        if (i < missing) EXPECT_NE(textures[i]->getSize(), sf::Vector2u()) << kAssetFiles[i];
        else EXPECT_EQ(textures[i]->getSize(), sf::Vector2u()) << kAssetFiles[i];
    }
    EXPECT_EQ(a.assets.background.music.getDuration(), sf::Time::Zero);
    EXPECT_EQ(a.assets.background.music.getStatus(), sf::Music::Stopped);
    EXPECT_EQ(a.map.spotCount, 0);
    EXPECT_EQ(a.map.roadCount, 0);
    EXPECT_TRUE(a.assets.font.getInfo().family.empty());
}

INSTANTIATE_TEST_SUITE_P(AppWindow, MissingAssetWindow, ::testing::Range(0, kAssetCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = std::filesystem::path(kAssetFiles[info.param]).filename().string();
                             for (char& c : name)
                                 if (c == '.') c = '_';
                             return name;
                         });

TEST_F(AppWindow, AnUnreadablePictureCountsAsMissing) {
    writeBytes(dir.file("resource/hotel.jpg"), "not a picture");
    AppProbe a = createApp();
    EXPECT_EQ(a.app.startUp(), 1);
    EXPECT_EQ(consoleText(), "警告：素材丢失");
    EXPECT_EQ(sleeps, std::vector<int>{1000});
    EXPECT_NE(a.assets.bank.getSize(), sf::Vector2u());
    EXPECT_EQ(a.assets.background.music.getDuration(), sf::Time::Zero);
}

TEST_F(AppWindow, RunEndsWithStatusOneWithoutEnteringTheLoop) {
    ASSERT_TRUE(std::filesystem::remove(dir.file("resource/main.ogg")));
    AppProbe a = createApp();
    EXPECT_EQ(a.app.run(), 1);
    EXPECT_EQ(sleeps, std::vector<int>{1000});
    EXPECT_EQ(a.frame.previousScreen, kLoginScreen);
}

// ---- closing ----

TEST_F(AppWindow, HoldingEscapeClosesTheWindowOnTheFirstEventOfAnyKind) {
    const sf::Event events[] = {
        mouseMove(10, 10),      textEntered('a'),
        keyPress(sf::Keyboard::A), keyRelease(sf::Keyboard::Escape),
        wheel(1.f),             mousePress(5, 5),
        mouseRelease(5, 5),     mousePress(5, 5, sf::Mouse::Right),
        eventOfType(sf::Event::GainedFocus), eventOfType(sf::Event::LostFocus),
        eventOfType(sf::Event::MouseEntered), eventOfType(sf::Event::MouseLeft),
    };
    for (const sf::Event& event : events) {
        SCOPED_TRACE("event type " + std::to_string(event.type));
        startApp();
        heldKeys.clear();
        send(event);
        ASSERT_TRUE(probe().window.isOpen());
        heldKeys.insert(sf::Keyboard::Escape);
        send(event);
        EXPECT_FALSE(probe().window.isOpen());
        heldKeys.clear();
    }
}

TEST_F(AppWindow, EscapeClosesTheUserScreenAndTheEventIsStillHandled) {
    AppProbe a = startAsUser();
    heldKeys.insert(sf::Keyboard::Escape);
    send(wheel(-1.f));
    EXPECT_FALSE(a.window.isOpen());
    EXPECT_EQ(a.views.zoom, 2.1f);
    EXPECT_EQ(a.views.mapView.getSize(), sf::Vector2f(640.f * 2.1f, 480.f * 2.1f));
}

TEST_F(AppWindow, EscapeClosesTheLoginScreenAndTheTypedCharacterStillArrives) {
    AppProbe a = startApp();
    click(mapPixel(a.login.userName.box.getPosition()));
    ASSERT_TRUE(a.login.userName.focused);
    heldKeys.insert(sf::Keyboard::Escape);
    send(textEntered('x'));
    EXPECT_FALSE(a.window.isOpen());
    EXPECT_EQ(a.login.userName.typedText(), L"x");
}

TEST_F(AppWindow, EscapeClosesTheQrPage) {
    AppProbe a = startApp();
    const sf::FloatRect vip = a.login.vipButton.getGlobalBounds();
    click(mapPixel({vip.left + vip.width / 2, vip.top + vip.height / 2}));
    ASSERT_EQ(a.frame.screen, kQrPage);
    EXPECT_EQ(a.qrPage.caption.getString(), L"扫码支付为你提供VIP账号");
    heldKeys.insert(sf::Keyboard::Escape);
    send(mouseMove(100, 100));
    EXPECT_FALSE(a.window.isOpen());
}

TEST_F(AppWindow, TheClosedEventClosesTheWindow) {
    AppProbe a = startAsUser();
    send(closedEvent());
    EXPECT_FALSE(a.window.isOpen());
}

TEST_F(AppWindow, TheClosedEventClosesTheLoginScreenToo) {
    AppProbe a = startApp();
    send(closedEvent());
    EXPECT_FALSE(a.window.isOpen());
}
