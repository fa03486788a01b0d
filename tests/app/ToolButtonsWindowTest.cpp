// The tool buttons that open the administrator's panels and the user's
// settings page: which one opens, which closes, when they answer at all.
#include <gtest/gtest.h>

#include "support/AppFixture.h"

class ToolButtonsWindow : public AppFixture {
protected:
    void clickRect(const ToolButton& button) {
        const sf::FloatRect r = button.rect.getGlobalBounds();
        click(interfacePixel({r.left + r.width / 2, r.top + r.height / 2}));
    }
    sf::Color fillOnScreen(const ToolButton& button) {
        const sf::Image shot = frame();
        const sf::Vector2i p = interfacePixel(button.rect.getPosition() + sf::Vector2f(12.f, 12.f));
        return shot.getPixel(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
    }
};

TEST_F(ToolButtonsWindow, AtMostOneAdministratorPanelIsOpenAndItsButtonIsGreen) {
    AppProbe a = startAsAdmin();
    ToolButtons& b = a.toolButtons;
    EXPECT_EQ(fillOnScreen(b.drawing), sf::Color::Red);

    clickRect(b.userData);
    EXPECT_TRUE(isOpen(a.tools, ToolPanel::UserTable));
    clickRect(b.settings);
    EXPECT_TRUE(isOpen(a.tools, ToolPanel::Settings));
    EXPECT_EQ(fillOnScreen(b.settings), sf::Color::Green);
    EXPECT_EQ(fillOnScreen(b.userData), sf::Color::Red);
    clickRect(b.drawing);
    EXPECT_TRUE(isOpen(a.tools, ToolPanel::Drawing));
    // The open drawing panel covers the other two buttons.
    clickRect(b.userData);
    EXPECT_TRUE(isOpen(a.tools, ToolPanel::Drawing));
    clickRect(b.drawing);
    EXPECT_EQ(a.tools.open, ToolPanel::None);

    // With an object selected the buttons do not answer.
    click(spotPixel(7));
    ASSERT_TRUE(anythingSelected(a.selection));
    clickRect(b.drawing);
    EXPECT_EQ(a.tools.open, ToolPanel::None);
}

TEST_F(ToolButtonsWindow, TheUserScreenHasTheSettingsButtonAloneAndLogoutClosesThePage) {
    AppProbe a = startAsUser();
    const ToolButton& settings = a.toolButtons.settings;
    EXPECT_EQ(settings.rect.getPosition(), sf::Vector2f(555.f, 340.f));
    clickRect(a.toolButtons.drawing);  // not on this screen
    EXPECT_EQ(a.tools.open, ToolPanel::None);
    clickRect(settings);
    EXPECT_TRUE(isOpen(a.tools, ToolPanel::Settings));
    EXPECT_EQ(fillOnScreen(settings), sf::Color::Green);
    clickRect(settings);
    EXPECT_EQ(a.tools.open, ToolPanel::None);

    clickRect(settings);
    click(buttonPixel(a.backButton));
    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_EQ(a.tools.open, ToolPanel::None);
}
