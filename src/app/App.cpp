#include "app/App.h"

#include <cstdlib>
#include <ctime>
#include <SFML/System/Sleep.hpp>
#include <ostream>

#include "app/AppActions.h"
#include "app/AppDispatch.h"
#include "app/AppDraw.h"
#include "app/DataRecovery.h"
#include "app/FramePacing.h"
#include "app/WindowMode.h"
#include "editor/PropertyEditing.h"
#include "map/MapFiles.h"
#include "route/MapRebuild.h"
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

int wholeSeconds(AppState& app) {
    return app.seams.wholeSeconds ? app.seams.wholeSeconds()
                                  : static_cast<int>(app.clock.getElapsedTime().asSeconds());
}

// Returns whether a screen with text fields is shown, whose caret may blink.
bool blinkFields(AppState& app, int seconds) {
    bool fieldsShown = true;
    if (app.frame.previousScreen == kLoginScreen) blinkLoginFields(app.login, seconds);
    else if (app.frame.previousScreen == kAdminScreen && app.editor.property.editing)
        blinkPropertyInputs(app.editor.property, seconds);
    else if (userTableShown(app.frame.previousScreen, app.tools))
        blinkUserTable(app.userTable, seconds);
    else fieldsShown = false;
    blinkFindField(app.find, seconds);
    return fieldsShown || app.find.open;
}

void finishFrame(AppState& app) {
    const LoginScreen& login = app.login;
    const Screen next = login.adminLoginDone ? kAdminScreen : login.ordinaryLoginDone ? kUserScreen : kLoginScreen;
    if (app.frame.screen == kLoginScreen && next != kLoginScreen) {
        // The frame just shown says "登录成功"; it stays for kLoginPauseMs.
        app.seams.sleep(kLoginPauseMs);
        changeScreen(app, next);
        app.pacing.redraw = true;
    }
    app.frame.previousScreen = app.frame.screen;
}

}  // namespace

App::App(AppSeams seams) {
    state.seams = withDefaults(std::move(seams));
    createWindow(state.window, kWindowMode, sf::Style::Default);
}

int App::run() {
    if (startUp() != 0) return 1;
    while (state.window.isOpen()) runFrame();
    return 0;
}

int App::startUp() {
    AppState& app = state;
    // A window re-created later (full screen) asks for this; the first one
    // was opened with the defaults.
    app.contextSettings.antialiasingLevel = 1111;
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    app.assets.background.soundAvailable = audioDeviceAvailable();
    if (!loadAssetChain(app.assets)) {
        console(app) << "警告：素材丢失" << std::flush;
        app.seams.sleep(kMissingAssetPauseMs);
        return 1;
    }
    startMusic(app.assets.background, console(app));
    buildQrSprites(app.qrPage, qrTextures(app.assets));

    if (!recoverDataFiles(kSpotsFile, kRoadsFile, kUsersFile))
        console(app) << kSpotsFile << "、" << kRoadsFile << "：上次中断的保存无法完成，两个文件可能不一致" << std::endl;
    readMapFile(kSpotsFile, app.map.spotTable, console(app));
    readMapFile(kRoadsFile, app.map.roadTable, console(app));
    startMapHistory(app.editor.history, app.map.spotTable, app.map.roadTable);
    // The same rebuild as after every edit, so start-up and edits agree.
    rebuildMap(app.map, spotTextures(app.assets), app.graph, app.criterion, console(app));

    // A missing font leaves every text empty; the program runs on.
    const sf::Font& font = app.assets.font;
    app.assets.font.loadFromFile("fonts/MF-FangHei-Noncommercial-Regular.ttf");
    app.userLine = sf::Text(L"用户名：", font, 20);
    app.userLine.setFillColor(sf::Color::Red);
    app.userLine.setPosition(0.f, 0.f);
    buildSidePanel(app.panel, font, kHelpText);
    buildMapLabels(app.labels, font);
    app.backButton = makeLargeButton(font, L"");
    app.backButton.setCharacterSize(30);
    app.backButton.setPosition(75.f, 600.f);
    changeScreen(app, kLoginScreen);
    buildLoginScreen(app.login, font);
    buildQrPage(app.qrPage, font);
    buildToolButtons(app.toolButtons, font);
    buildMapEditor(app.editor, font);
    buildUserTable(app.userTable, font);
    buildSettingsPage(app.settings, font);
    buildComparisonPanel(app.comparison, font);
    buildFindPanel(app.find, font);

    recentre(app.views, app.window);
    app.clock.restart();
    return 0;
}

void App::runFrame() {
    const int seconds = wholeSeconds(state);
    noteSecond(state.pacing, seconds, blinkFields(state, seconds));
    sf::Event event;
    while (state.window.pollEvent(event)) handleEvent(event);
    if (state.pacing.redraw) drawScreen();
    else sf::sleep(sf::milliseconds(restStep(state.pacing)));
}

// Whatever an event does (a drag step, a hover look, the knob, a window
// re-created for full screen) is shown in the frame that follows it.
void App::handleEvent(const sf::Event& event) {
    dispatchEvent(state, event);
    noteEvent(state.pacing);
}

void App::drawScreen() {
    drawCurrentScreen(state);
    state.window.setView(state.views.mapView);
    state.window.display();
    noteFrameShown(state.pacing);
    finishFrame(state);
}
