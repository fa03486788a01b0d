#pragma once
// What the App does with the actions its subsystems return: the screen
// changes, the logout, the tool panels opening and closing, the window mode.
#include <optional>

#include "accounts/LoginScreen.h"
#include "app/AppState.h"
#include "settings/SettingsPage.h"

// The one place the screen changes; the back button's label follows it.
void changeScreen(AppState& app, Screen next);

// 忘记密码 and 获取VIP用户 open the QR page with its line; 退出系统 closes the
// window.
void applyLoginAction(AppState& app, LoginAction action);

// Opens or closes the tool panel a button toggled (None changes nothing).
void applyToolToggle(AppState& app, ToolPanel toggled);

// The full-screen switch the settings page asks for.
void applySettingsAction(AppState& app, SettingsAction action);

// A criterion chosen from the route report's comparison becomes the one in
// force, as its button on the settings page makes it, and the same two
// spots' route and report under it are shown. The comparison stays where it
// was on screen when it was in view.
void applyComparisonChoice(AppState& app, std::optional<Criterion> chosen);

// Ends the session: back to the login screen with nothing of it left.
void logout(AppState& app);
