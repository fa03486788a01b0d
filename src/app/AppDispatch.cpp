// Event dispatch: every window event passes the steps below in this order.
#include "app/App.h"
#include "settings/HelpTexts.h"

namespace {

bool isDragButton(sf::Mouse::Button button) {
    return button == sf::Mouse::Left || button == sf::Mouse::Right || button == sf::Mouse::Middle;
}

}  // namespace

void App::handleEvent(const sf::Event& event) {
    if (frame.screen == kLoginScreen) handleLoginKeys(login, event, loginContext());

    if (platform.isKeyPressed(sf::Keyboard::Escape)) window.close();

    // H re-centres on every screen, also while a text field has the focus.
    if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::H) recentre(views, window);

    // Route picks belong to the screens that show the map: on the login
    // screen an invisible pick would leave its clicks ignored.
    const bool mapShown = frame.screen == kUserScreen || frame.screen == kAdminScreen;
    if (mapShown && event.type == sf::Event::MouseButtonPressed && platform.isKeyPressed(sf::Keyboard::LShift)) {
        RouteSession session = routeSession();
        pickRouteSpot(session, toMap(window, views, {event.mouseButton.x, event.mouseButton.y}));
    }

    switch (event.type) {
        case sf::Event::Closed:
            window.close();
            return;
        case sf::Event::MouseWheelScrolled:
            if (wheelZoomAllowed(frame)) zoomStep(views, window, event.mouseWheelScroll.delta);
            break;
        case sf::Event::MouseButtonPressed:
            handleMousePress(event.mouseButton);
            break;
        case sf::Event::MouseButtonReleased:
            if (isDragButton(event.mouseButton.button)) frame.mouseHeld = false;
            break;
        case sf::Event::MouseMoved:
            handleMouseMove({event.mouseMove.x, event.mouseMove.y});
            break;
        default:
            break;
    }
    window.setView(views.mapView);
}

void App::handleMousePress(const sf::Event::MouseButtonEvent& press) {
    if (!isDragButton(press.button)) return;
    const sf::Vector2i pixel(press.x, press.y);
    frame.mouseHeld = true;
    beginDrag(views, window, pixel);
    if (press.button != sf::Mouse::Left) return;
    if (!passClickGate(pick)) return;
    handleLeftClick(pixel);
}

void App::handleLeftClick(sf::Vector2i pixel) {
    switch (frame.screen) {
        case kQrPage:
            backButton.setString(L"返回");
            if (buttonHit(backButton, toInterface(window, views, pixel))) frame.screen = kLoginScreen;
            break;
        case kLoginScreen:
            switch (handleLoginClick(login, toMap(window, views, pixel), loginContext())) {
                case LoginAction::OpenForgotPassword:
                    showQrPage(qrPage, L"扫码支付为你恢复账号密码");
                    frame.screen = kQrPage;
                    break;
                case LoginAction::OpenVip:
                    showQrPage(qrPage, L"扫码支付为你提供VIP账号");
                    frame.screen = kQrPage;
                    break;
                case LoginAction::Quit:
                    window.close();
                    break;
                case LoginAction::None:
                    break;
            }
            break;
        case kUserScreen:
        case kAdminScreen:
            handleMapScreenClick(pixel);
            break;
        default:
            break;
    }
}

void App::handleMapScreenClick(sf::Vector2i pixel) {
    const sf::Vector2f point = toInterface(window, views, pixel);
    if (insidePanel(panel, point)) return;

    backButton.setString(L"退出登录");
    if (frame.screen == kAdminScreen) panel.title.setString(L"操作界面");
    frame.panelScrollMode = false;
    resetPanelScroll(panel);
    if (buttonHit(backButton, point)) {
        logout();
        return;
    }
    frame.routePickIdle = true;
    if (!frame.userTableOpen && !frame.settingsOpen && !frame.drawingPanelOpen && !frame.editing) {
        const bool hit = mapClick(map, toMap(window, views, pixel), frame.screen == kUserScreen, infoTargets());
        frame.nothingSelected = !hit;
    }
}

void App::handleMouseMove(sf::Vector2i pixel) {
    applyScreenHover(pixel);
    dragStep(views, window, pixel, frame, panel);
}

void App::applyScreenHover(sf::Vector2i pixel) {
    switch (frame.screen) {
        case kLoginScreen:
            hoverLoginButtons(login, toMap(window, views, pixel));
            break;
        case kUserScreen:
        case kAdminScreen:
        case kQrPage:
            applyHover(backButton, toInterface(window, views, pixel));
            break;
        default:
            break;
    }
}

void App::logout() {
    frame.screen = kLoginScreen;
    resetLoginScreen(login);
    recentre(views, window);
    backButton.setString(L"返回");
    frame.userTableOpen = false;
    frame.settingsOpen = false;
    frame.drawingPanelOpen = false;
    panel.body.setString(kHelpText);
}
