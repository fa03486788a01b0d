#pragma once
// The resting content of the side panel: usage hints and the maker's credits.
#include "map/SidePanel.h"

inline const wchar_t* const kHelpText =
    L"1. 点击拖拽界面\n\t可以拖拽地图\n2.按H键可以返回\n\t地图中心\n3.点击道路和圆圈\n\t可以获取更多信息\n"
    L"4.按住shift加选可\n\t以显示最短路径\n5.按Ctrl+F可以\n\t查找地点\n\n\n\n\n"
    L"制作者:Tavrinel\n学号:7402958316\n专业:数字媒体技术\n班级:2班\n学院:Merrowfield";

// Twelve empty lines push the credits below the administrator's tool buttons.
inline const wchar_t* const kCreditsText =
    L"\n\n\n\n\n\n\n\n\n\n\n\n"
    L"制作者:Tavrinel\n学号:7402958316\n专业:数字媒体技术\n班级:2班\n学院:Merrowfield";

// The side panel's title on the administrator screen once a map click or an
// undo brought it to rest.
inline const wchar_t* const kAdminPanelTitle = L"操作界面";

inline const wchar_t* const kWindowTitle = L"数据结构大作业 - Quorvale - Tavrinel";

// The panel's resting text (the help text or the credits text) as drawn: set
// smaller than the panel's other texts, its lines kRestingLineSpacing apart,
// so every line shows between the side panel's title, its 系统设置 button
// and the window's foot. The lines before the first blank line (the hints)
// run down from the body's place; the lines after the blank lines (the
// credits) from just below the button, however many hints there are.
constexpr unsigned kRestingTextSize = 24;
constexpr float kRestingLineSpacing = 26.f;

struct RestingText {
    sf::Text hints;
    sf::Text credits;
};

RestingText layRestingText(const sf::Text& body, const sf::FloatRect& settingsButton);

// A map click that hit nothing: the panel shows its resting content again,
// the help text, under the title "使用帮助" on the user screen (the
// administrator's screen keeps its own title).
void showHelpAtRest(SidePanel& panel, bool userScreen);
