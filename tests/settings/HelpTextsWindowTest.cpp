// The side panel's resting text in the App's window: every line of the help
// text and of the credits text shows, clear of the 系统设置 button.
#include <gtest/gtest.h>

#include "settings/HelpTexts.h"
#include "support/AppFixture.h"

using HelpTextsWindow = AppFixture;

TEST_F(HelpTextsWindow, EveryLineOfTheRestingTextShowsClearOfTheSettingsButton) {
    for (const bool admin : {false, true}) {
        SCOPED_TRACE(admin ? "the credits text" : "the help text");
        AppProbe a = admin ? startAsAdmin() : startAsUser();
        const sf::Image shot = frame();  // the administrator's body takes the credits text as it is drawn
        const sf::FloatRect button = a.toolButtons.settings.rect.getGlobalBounds();
        const RestingText shown = layRestingText(a.panel.body, button);
        const sf::FloatRect hints = shown.hints.getGlobalBounds(), credits = shown.credits.getGlobalBounds();
        // Every line is drawn: the hints, then only blank lines, then the credits.
        const std::wstring text = a.panel.body.getString(), h = shown.hints.getString(), c = shown.credits.getString();
        EXPECT_EQ(text.substr(0, h.size()), h);
        EXPECT_EQ(text.find_first_not_of(L'\n', h.size()), text.size() - c.size());
        EXPECT_EQ(text.substr(text.size() - c.size()), c);
        EXPECT_LT(hints.top + hints.height, button.top);
        EXPECT_GT(credits.top, button.top + button.height);
        EXPECT_LE(credits.top + credits.height, 600.f) << "the window's foot";
        // As drawn: no glyph beside the button, where the hints start (x 510).
        int dark = 0;
        for (float y = button.top; y < button.top + button.height; ++y)
            for (float x = 505.f; x < button.left - 1.f; ++x) {
                const sf::Color p = shot.getPixel(interfacePixel({x, y}).x, interfacePixel({x, y}).y);
                dark += p.r < 60 && p.g < 60 && p.b < 60;
            }
        EXPECT_EQ(dark, 0);
    }
}
