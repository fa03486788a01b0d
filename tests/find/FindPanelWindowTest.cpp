// Finding a place in the App: Ctrl+F, a name or a type typed, a match chosen
// (shown and selected, or picked for a route), Escape closing the panel.
#include <gtest/gtest.h>

#include "map/InfoPanel.h"
#include "route/RouteRequest.h"
#include "support/AppFixture.h"
#include "support/Events.h"
#include "support/FieldEvents.h"

class FindPanelWindow : public AppFixture {
protected:
    // Ctrl+F as the window reports it: the key, then its control character.
    void ctrlF() { send({keyPressed(sf::Keyboard::F, true, false), textEntered(6)}); }
    std::vector<int> listed() const {
        return std::vector<int>(probe().find.found.spots, probe().find.found.spots + probe().find.found.count);
    }
};

TEST_F(FindPanelWindow, AMatchFoundByNameOrTypeIsShownAndSelectedAsAClickOnItWould) {
    const struct {
        bool admin;
        const wchar_t* text;
        std::vector<int> matches;
        int downs;
    } cases[] = {{false, L"小面", {25}, 0}, {true, L"银行", {3, 8, 11, 15, 18, 24}, 2}};
    for (const auto& c : cases) {
        AppProbe a = c.admin ? startAsAdmin() : startAsUser();
        scrollWheel(-1.f, 3);
        const float zoom = a.views.zoom;
        ctrlF();
        EXPECT_EQ(a.find.title.getString(), L"查找地点");
        typeText(c.text);
        EXPECT_EQ(listed(), c.matches);
        for (int i = 0; i < c.downs; ++i) send(keyPress(sf::Keyboard::Down));
        send(keyPress(sf::Keyboard::Return));

        const int chosen = c.matches[c.downs];
        EXPECT_FALSE(a.find.open);
        EXPECT_EQ(spotPixel(chosen), sf::Vector2i(200, 240));
        EXPECT_FLOAT_EQ(a.views.zoom, zoom);
        EXPECT_TRUE(panelShowsSelection(a.selection) && a.selection.spotNumber == chosen);
        EXPECT_EQ(outlinedSpots(), std::vector<int>{chosen});
        if (c.admin) EXPECT_EQ(a.properties.name, a.map.spots[chosen].name);  // the property panel's
        else EXPECT_EQ(a.panel.body.getString(), spotInfoText(a.map.spots[chosen]));
        app.reset();
    }
}

TEST_F(FindPanelWindow, EveryKeyIsTextTillEscapeClosesThePanelAndNotTheProgram) {
    AppProbe a = startAsAdmin();
    a.routeAnimation = false;
    shiftClick(spotPixel(1));
    shiftClick(spotPixel(25));
    const sf::String title = a.panel.title.getString(), report = a.panel.body.getString();
    scrollWheel(1.f);
    const sf::Vector2f centre = a.views.mapView.getCenter();

    // H re-centres nothing, 3 switches no criterion, Ctrl+Z undoes nothing.
    ctrlF();
    send({keyPress(sf::Keyboard::H), textEntered('h'), keyPress(sf::Keyboard::Num3), textEntered('3'),
          keyPressed(sf::Keyboard::Z, true, false)});
    EXPECT_EQ(a.find.field.typedText(), L"h3");
    EXPECT_EQ(a.views.mapView.getCenter(), centre);
    EXPECT_EQ(currentCriterion(a.criterion), Criterion::Distance);
    EXPECT_FALSE(a.editor.status.visible);
    EXPECT_EQ(a.find.found.count, 0);  // 没有找到

    send(keyPress(sf::Keyboard::Escape));
    EXPECT_TRUE(a.window.isOpen() && !a.find.open);
    EXPECT_TRUE(a.panel.title.getString() == title && a.panel.body.getString() == report);
    EXPECT_TRUE(comparisonShown(a.comparison, a.panel.body));
    // Ctrl+F closes it too, and a press on the map goes on as a click there.
    ctrlF();
    ctrlF();
    EXPECT_FALSE(a.find.open);
    ctrlF();
    click(kEmptyMapPixel);
    EXPECT_TRUE(!a.find.open && a.panel.routePickIdle);
    send(keyPress(sf::Keyboard::Escape));
    EXPECT_FALSE(a.window.isOpen());
}

TEST_F(FindPanelWindow, ARouteIsPickedFromTheFindList) {
    AppProbe a = startAsUser();
    a.routeAnimation = false;
    ctrlF();
    typeText(L"湖畔");
    send(keyPressed(sf::Keyboard::Return, false, true));
    EXPECT_EQ(spotPixel(1), sf::Vector2i(200, 240));
    EXPECT_TRUE(a.pick.pending && a.panel.body.getString() == kNextSpotHint);

    ctrlF();
    typeText(L"面馆");
    ASSERT_EQ(listed(), (std::vector<int>{2, 25}));
    heldKeys.insert(sf::Keyboard::LShift);
    click(interfacePixel(a.find.rows[1].name.getPosition() + sf::Vector2f(30.f, 15.f)));
    heldKeys.erase(sf::Keyboard::LShift);
    EXPECT_FALSE(a.find.open);
    EXPECT_TRUE(a.pick.start == 1 && a.pick.end == 25 && comparisonShown(a.comparison, a.panel.body));
    // No press was left over to swallow: the next click is an ordinary one.
    click(kEmptyMapPixel);
    EXPECT_EQ(a.panel.title.getString(), L"使用帮助");
}
