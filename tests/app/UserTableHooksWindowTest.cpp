// The user-data table in the App: opened and closed by its tool button,
// drawn, clicked, hovered and typed into through the map view in place of
// the map, and closed by logout.
#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/UsersText.h"

namespace {

class UserTableHooks : public AppFixture {
protected:
    AppProbe startAdminWithUsers(int accounts) {
        writeBytes(dir.file(kUsersFile), numberedLines(accounts, true));
        return startAsAdmin();
    }
    void toggleTable() {
        const sf::FloatRect r = probe().toolButtons.userData.rect.getGlobalBounds();
        click(interfacePixel({r.left + r.width / 2, r.top + r.height / 2}));
    }
    static sf::Vector2f centre(sf::FloatRect r) { return {r.left + r.width / 2, r.top + r.height / 2}; }
    sf::Vector2i cellPixel(const TextField& cell) const { return mapPixel(centre(cell.box.getGlobalBounds())); }
    sf::Vector2i tableButtonPixel(const TextButton& button) const { return mapPixel(centre(button.getGlobalBounds())); }
    sf::Color pixelAt(const sf::Image& shot, sf::Vector2f mapPoint) const {
        const sf::Vector2i p = mapPixel(mapPoint);
        return shot.getPixel(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
    }
};

}  // namespace

TEST_F(UserTableHooks, OpeningPutsTheViewHomeAndDrawsTheTableInPlaceOfTheMap) {
    AppProbe a = startAdminWithUsers(12);
    send(mousePress(100, 200, sf::Mouse::Right));
    send(mouseMove(160, 120));
    send(mouseRelease(160, 120, sf::Mouse::Right));
    scrollWheel(-1.f, 3);
    ASSERT_NE(a.views.mapView.getCenter(), kHomeCentre);

    toggleTable();
    ASSERT_TRUE(isOpen(a.tools, ToolPanel::UserTable));
    EXPECT_EQ(a.views.mapView.getCenter(), kHomeCentre);
    EXPECT_EQ(a.views.mapView.getSize(), sf::Vector2f(1280.f, 960.f));
    EXPECT_EQ(a.userTable.rows[0].name.content, sf::String(L"user0"));

    const sf::Image shot = frame();
    // Cyan behind the transparent cells, where the map would be white; the
    // blue cell outlines; the side panel beside it.
    EXPECT_EQ(pixelAt(shot, {-100.f, 660.f}), sf::Color::Cyan);
    EXPECT_EQ(pixelAt(shot, {-111.f, 400.f}), sf::Color::Blue);
    EXPECT_EQ(pixelAt(shot, {288.f, 400.f}), sf::Color::Blue);
    EXPECT_EQ(shot.getPixel(630, 330), sf::Color(70, 120, 210));

    // The next page, then closing and opening again: page 1 from the file.
    click(tableButtonPixel(a.userTable.nextButton));
    EXPECT_EQ(a.userTable.page, 1);
    writeBytes(dir.file(kUsersFile), "bob 1\r\n");
    toggleTable();
    EXPECT_EQ(a.tools.open, ToolPanel::None);
    EXPECT_EQ(frame().getPixel(5, 470), sf::Color::White) << "the map is back";
    toggleTable();
    EXPECT_EQ(a.userTable.page, 0);
    EXPECT_EQ(a.userTable.rows[0].name.content, sf::String(L"bob"));
}

TEST_F(UserTableHooks, TheFocusedCellTakesKeysAndBlinksOnlyWhileTheTableIsOpen) {
    AppProbe a = startAdminWithUsers(2);
    toggleTable();
    TextField& name = a.userTable.rows[2].name;
    click(cellPixel(name));
    EXPECT_TRUE(name.focused);
    EXPECT_EQ(frame().getPixel(static_cast<unsigned>(cellPixel(name).x), static_cast<unsigned>(cellPixel(name).y - 10)),
              sf::Color::White)
        << "the focused cell is filled white";
    typeText(L"新人abcdef");
    EXPECT_EQ(name.content, sf::String(L"新人abcde")) << "seven characters at most";
    seconds = 4;
    a.app.runFrame();
    EXPECT_EQ(name.text.getString(), sf::String(L"新人abcde|"));
    seconds = 5;
    a.app.runFrame();
    EXPECT_EQ(name.text.getString(), sf::String(L"新人abcde"));

    toggleTable();  // closed: the keys and the blink leave it alone
    typeText(L"x");
    seconds = 6;
    a.app.runFrame();
    EXPECT_EQ(name.content, sf::String(L"新人abcde"));
}

TEST_F(UserTableHooks, TheTableHoldsTheMapStillAndShiftClicksPickNoHiddenSpot) {
    AppProbe a = startAdminWithUsers(2);
    toggleTable();
    const sf::Vector2f centre = a.views.mapView.getCenter();
    scrollWheel(-1.f, 2);
    send(mousePress(100, 200, sf::Mouse::Right));
    send(mouseMove(160, 120));
    send(mouseRelease(160, 120, sf::Mouse::Right));
    EXPECT_EQ(a.views.mapView.getCenter(), centre);
    EXPECT_EQ(a.views.zoom, kHomeZoom);

    // A Shift click on a cell over a spot is a click on the cell.
    int hidden = 0;
    for (int n = 1; n <= a.map.spotCount && !hidden; ++n) {
        const sf::Vector2f spot = a.map.spots[n].centre();
        if (a.userTable.rows[2].name.box.getGlobalBounds().contains(spot) ||
            a.userTable.rows[3].name.box.getGlobalBounds().contains(spot))
            hidden = n;
    }
    ASSERT_NE(hidden, 0) << "a spot under the rows of the table";
    shiftClick(spotPixel(hidden));
    EXPECT_EQ(a.pick.pickCount, 0);
    EXPECT_FALSE(a.pick.pending);
    EXPECT_FALSE(anythingSelected(a.selection));
    EXPECT_TRUE(a.userTable.rows[2].name.focused);
}

TEST_F(UserTableHooks, TheTableButtonsHoverThroughTheMapView) {
    AppProbe a = startAdminWithUsers(2);
    toggleTable();
    moveMouse(tableButtonPixel(a.userTable.saveButton));
    EXPECT_EQ(a.userTable.saveButton.getFillColor(), sf::Color::Green);
    EXPECT_EQ(a.userTable.nextButton.getFillColor(), sf::Color::Yellow);
    moveMouse(tableButtonPixel(a.userTable.nextButton));
    EXPECT_EQ(a.userTable.saveButton.getFillColor(), sf::Color::Yellow);
    EXPECT_EQ(a.userTable.nextButton.getFillColor(), sf::Color::Green);
}

TEST_F(UserTableHooks, LogoutClosesTheTableAndTheNextOpeningStartsClean) {
    AppProbe a = startAdminWithUsers(12);
    toggleTable();
    click(tableButtonPixel(a.userTable.nextButton));
    click(tableButtonPixel(a.userTable.saveButton));  // the unchanged page saves as it is
    ASSERT_TRUE(a.userTable.messageVisible);

    click(buttonPixel(a.backButton));
    EXPECT_EQ(a.frame.screen, kLoginScreen);
    EXPECT_EQ(a.tools.open, ToolPanel::None);
    EXPECT_EQ(a.userTable.page, 0);
    EXPECT_FALSE(a.userTable.messageVisible);

    logIn(L"云栖客", L"5820413");
    toggleTable();
    EXPECT_EQ(a.userTable.page, 0);
    EXPECT_FALSE(a.userTable.messageVisible);
    EXPECT_EQ(a.userTable.rows[0].name.content, sf::String(L"user0"));
}
