// The side panel's resting text in the App's window: every line of the help
// text and of the credits text shows, clear of the 系统设置 button.
#include <gtest/gtest.h>

#include "settings/HelpTexts.h"
#include "support/AppFixture.h"

namespace {

using HelpTextsWindow = AppFixture;

int lineCount(const sf::String& text) {
    int lines = 0;
    bool inLine = false;
    for (sf::Uint32 c : text) {
        if (c != '\n' && !inLine) ++lines;
        inLine = c != '\n';
    }
    return lines;
}

float bottom(const sf::FloatRect& r) { return r.top + r.height; }

}  // namespace

TEST_F(HelpTextsWindow, EveryLineOfTheRestingTextShowsClearOfTheSettingsButton) {
    std::wstring withFifthHint = kHelpText;
    withFifthHint.insert(withFifthHint.find(L"\n\n"), L"\n5.按Ctrl+F可以\n\t查找地点");
    const struct {
        const char* what;
        Screen screen;
        std::wstring text;
    } cases[] = {
        {"the help text", kUserScreen, kHelpText},
        {"the help text with a fifth hint", kUserScreen, withFifthHint},
        {"the administrator's credits", kAdminScreen, kCreditsText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppProbe a = c.screen == kUserScreen ? startAsUser() : startAsAdmin();
        a.panel.body.setString(c.text);
        const ToggleButton& settings = a.toolButtons.settings;
        const sf::FloatRect button = settings.rect.getGlobalBounds();
        const RestingText shown = layRestingText(a.panel.body, button);

        EXPECT_EQ(lineCount(shown.hints.getString()) + lineCount(shown.credits.getString()), lineCount(c.text));
        if (!shown.hints.getString().isEmpty()) {
            const sf::FloatRect hints = shown.hints.getGlobalBounds();
            EXPECT_GT(hints.top, bottom(a.panel.title.getGlobalBounds()));
            EXPECT_LT(bottom(hints), button.top);
        }
        const sf::FloatRect credits = shown.credits.getGlobalBounds();
        EXPECT_GT(credits.top, bottom(button));
        EXPECT_LE(bottom(credits), 600.f) << "the window's foot";
        EXPECT_LE(credits.left + credits.width, 800.f);
    }
}

TEST_F(HelpTextsWindow, NoHintLineRunsBehindTheUserScreensSettingsButton) {
    AppProbe a = startAsUser();
    const sf::FloatRect button = a.toolButtons.settings.rect.getGlobalBounds();
    const sf::Image shot = frame();
    // The hints start at x 510; the button's outline at 550.
    int dark = 0;
    for (float y = button.top; y < bottom(button); y += 1.f)
        for (float x = 505.f; x < button.left - 1.f; x += 1.f) {
            const sf::Vector2i p = interfacePixel({x, y});
            const sf::Color c = shot.getPixel(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
            dark += c.r < 60 && c.g < 60 && c.b < 60;
        }
    EXPECT_EQ(dark, 0);
}
