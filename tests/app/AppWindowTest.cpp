#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/TempDir.h"

using AppWindow = AppFixture;

TEST_F(AppWindow, StartsOnCyanLoginScreenWithMapViewAtHome) {
    App& a = startApp();
    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_EQ(a.window.getSize(), sf::Vector2u(640, 480));
    EXPECT_EQ(a.views.mapView.getCenter(), sf::Vector2f(450.f, 450.f));
    EXPECT_EQ(a.views.mapView.getSize(), sf::Vector2f(1280.f, 960.f));
    const sf::Image shot = frame();
    EXPECT_EQ(shot.getPixel(5, 5), sf::Color::Cyan);
}
