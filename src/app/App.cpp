#include "app/App.h"

#include <cstdlib>
#include <ctime>
#include <ostream>

#include "app/DataRecovery.h"
#include "app/WindowMode.h"
#include "editor/PropertyEditing.h"
#include "map/MapFiles.h"
#include "route/MapRebuild.h"
#include "route/RouteDisplay.h"
#include "settings/HelpTexts.h"

namespace {

constexpr int kMissingAssetPauseMs = 1000;
// How long "登录成功" stays on screen before the map appears.
constexpr int kLoginPauseMs = 500;

AppSeams withDefaults(AppSeams seams) {
    AppSeams real = AppSeams::real();
    if (!seams.isKeyPressed) seams.isKeyPressed = real.isKeyPressed;
    if (!seams.sleep) seams.sleep = real.sleep;
    if (!seams.console) seams.console = real.console;
    return seams;
}

}  // namespace

App::App(AppSeams seams)
    : seams(withDefaults(std::move(seams))),
      window(kWindowMode, kWindowTitle, sf::Style::Default) {}

int App::run() {
    if (startUp() != 0) return 1;
    while (window.isOpen()) runFrame();
    return 0;
}

int App::startUp() {
    // A window re-created later (full screen) asks for this; the first one
    // was opened with the defaults.
    contextSettings.antialiasingLevel = 1111;
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    assets.background.soundAvailable = audioDeviceAvailable();
    if (!loadAssetChain(assets)) {
        console() << "警告：素材丢失" << std::flush;
        seams.sleep(kMissingAssetPauseMs);
        return 1;
    }
    startMusic(assets.background, console());
    buildQrSprites(qrPage, qrTextures(assets));

    recoverDataFiles(kSpotsFile, kRoadsFile, kUsersFile);
    readMapFile(kSpotsFile, map.spotTable, console());
    readMapFile(kRoadsFile, map.roadTable, console());
    startMapHistory(editor.history, map.spotTable, map.roadTable);
    // The same rebuild as after every edit, so start-up and edits agree.
    rebuildMap(map, spotTextures(assets), graph, criterion, console());

    // A missing font leaves every text empty; the program runs on.
    assets.font.loadFromFile("fonts/MF-FangHei-Noncommercial-Regular.ttf");
    userLine = sf::Text(L"用户名：", assets.font, 20);
    userLine.setFillColor(sf::Color::Red);
    userLine.setPosition(0.f, 0.f);
    buildSidePanel(panel, assets.font, kHelpText);
    backButton = makeLargeButton(assets.font, L"");
    backButton.setCharacterSize(30);
    backButton.setPosition(75.f, 600.f);
    changeScreen(kLoginScreen);
    buildLoginScreen(login, assets.font);
    buildQrPage(qrPage, assets.font);
    buildToolButtons(toolButtons, assets.font);
    buildMapEditor(editor, assets.font);
    buildUserTable(userTable, assets.font);
    buildSettingsPage(settings, assets.font);

    recentre(views, window);
    clock.restart();
    return 0;
}

void App::runFrame() {
    blinkFields();
    sf::Event event;
    while (window.pollEvent(event)) handleEvent(event);
    drawScreen();
}

void App::blinkFields() {
    const int seconds = seams.wholeSeconds ? seams.wholeSeconds()
                                           : static_cast<int>(clock.getElapsedTime().asSeconds());
    if (frame.previousScreen == kLoginScreen) blinkLoginFields(login, seconds);
    else if (frame.previousScreen == kAdminScreen && editor.property.editing)
        blinkPropertyInputs(editor.property, seconds);
    else if (userTableShown(frame.previousScreen, tools))
        blinkUserTable(userTable, seconds);
}

void App::changeScreen(Screen next) {
    frame.screen = next;
    backButton.setString(showsMap(next) ? L"退出登录" : L"返回");
    placeToolButtons(toolButtons, next);
}

void App::finishFrame() {
    const Screen next = login.adminLoginDone ? kAdminScreen : login.ordinaryLoginDone ? kUserScreen : kLoginScreen;
    if (frame.screen == kLoginScreen && next != kLoginScreen) {
        // The frame just shown says "登录成功"; it stays for kLoginPauseMs.
        seams.sleep(kLoginPauseMs);
        changeScreen(next);
    }
    frame.previousScreen = frame.screen;
}

// Nothing of this session waits for the next: the panels close, an edit not
// confirmed is dropped, the steps to undo go, nothing stays selected or
// outlined (a shown route neither) and the side panel comes to rest with the
// help text.
void App::logout() {
    changeScreen(kLoginScreen);
    resetLoginScreen(login);
    recentre(views, window);
    closeToolPanels(tools);
    resetDrawingPanel(editor.drawing, editor.status, map, pick);
    resetUserTable(userTable);
    if (editor.property.editing) showPropertyValues(editor.property, properties);
    hideStatus(editor.status);
    startMapHistory(editor.history, map.spotTable, map.roadTable);
    panel.routePickIdle = true;
    clearMapSelection(map, selection);
    showHelpAtRest(panel, true);
}

InfoTargets App::infoTargets() { return InfoTargets{selection, panel, console()}; }

RouteSession App::routeSession() {
    return RouteSession{map, graph, criterion, pick, infoTargets(), routeAnimation,
                        [this] { drawAnimationFrame(window, map, seams.sleep); }};
}

LoginContext App::loginContext() { return LoginContext{accounts, userLine, kUsersFile}; }

EditorSession App::editorSession() {
    return EditorSession{map,        graph,         criterion,     spotTextures(assets), pick,
                         infoTargets(), properties, editor.status, editor.unsaved, editor.history,
                         MapFilePaths{kSpotsFile, kRoadsFile}};
}

SettingsContext App::settingsContext() {
    return SettingsContext{criterion, graph, map, routeAnimation, assets.background};
}
