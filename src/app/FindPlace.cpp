#include "app/FindPlace.h"

#include "app/AppDispatch.h"

namespace {

bool isKeyEvent(const sf::Event& event) {
    return event.type == sf::Event::KeyPressed || event.type == sf::Event::KeyReleased ||
           event.type == sf::Event::TextEntered;
}

void applyFindAction(AppState& app, FindAction action) {
    if (action.choice == FindChoice::None) return;
    resetFindPanel(app.find);
    if (action.choice == FindChoice::Close || action.spot < 1 || action.spot > app.map.spotCount) return;
    const sf::Vector2i middle = mapAreaMiddle(app.window);
    centreOn(app.views, app.window, app.map.spots[action.spot].centre(), middle);
    if (action.choice == FindChoice::PickForRoute) {
        routePickAt(app, middle);
        // No press follows for the route's report to swallow.
        app.pick.clickConsumed = false;
    } else if (passClickGate(app.pick)) {
        leftClickAt(app, middle);
    }
}

}  // namespace

bool handleFindEvent(AppState& app, const sf::Event& event, bool wasOpen) {
    FindPanel& find = app.find;
    if (!wasOpen) {
        const bool ctrlF = event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::F &&
                           event.key.control;
        if (!ctrlF || !findPanelOpens(app.frame.screen, app.tools, app.selection, app.editor.property.editing))
            return false;
        openFindPanel(find, app.map);
        return true;
    }
    if (isKeyEvent(event)) {
        applyFindAction(app, handleFindKeys(find, app.map, event));
        return true;
    }
    if (!find.open) return false;
    if (event.type == sf::Event::MouseMoved)
        hoverFindPanel(find, toInterface(app.window, app.views, {event.mouseMove.x, event.mouseMove.y}));
    if (event.type != sf::Event::MouseButtonPressed) return false;
    const sf::Vector2f point = toInterface(app.window, app.views, {event.mouseButton.x, event.mouseButton.y});
    if (!insidePanel(app.panel, point)) {
        resetFindPanel(find);
        return false;
    }
    if (event.mouseButton.button == sf::Mouse::Left)
        applyFindAction(app, handleFindClick(find, point, app.seams.isKeyPressed(sf::Keyboard::LShift)));
    return true;
}
