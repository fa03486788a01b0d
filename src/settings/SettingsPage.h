#pragma once
// The settings page, opened by 系统设置 on either map screen and drawn in
// place of the map: 寻路动画 and 画面全屏 switches, the seven route criteria
// (寻路方式), the volume slider (音量控制) and the music transport 暂停,
// 播放, 停止. Every setting lives in memory for the run and survives logout.
// Interface-view units.
#include <SFML/Graphics.hpp>

#include "map/MapModel.h"
#include "route/Criterion.h"
#include "route/RouteGraph.h"
#include "settings/BackgroundMusic.h"
#include "widgets/ToggleButton.h"

struct SettingsPage {
    ToggleButton fullScreen;
    ToggleButton animation;
    ToggleButton criteria[kCriterionCount];  // by criterionIndex, top to bottom
    ToggleButton pause;
    ToggleButton play;
    ToggleButton stop;
    sf::Text criterionHeading;  // 寻路方式
    sf::Text volumeHeading;     // 音量控制
    sf::RectangleShape bar;
    sf::RectangleShape leftCap;
    sf::RectangleShape numberBox;
    sf::Text number;       // the volume the music reports, truncated
    sf::CircleShape knob;  // only its x moves
    bool dragging = false;
    bool fullScreenOn = false;  // the mode the window is really in
};

// What the page changes outside itself.
struct SettingsContext {
    RouteCriterion& criterion;
    RouteGraph& graph;
    const MapModel& map;
    bool& routeAnimation;
    BackgroundMusic& music;
};

// The window change a press asks of the App.
enum class SettingsAction { None, ToggleFullScreen };

void buildSettingsPage(SettingsPage& page, const sf::Font& font);

// A left press outside the side panel while the page is open, at an
// interface point. Every control is tested in this order, so where two
// outlines overlap the later control has the last word: 寻路动画, the
// criteria Speed, Distance, Cost, Rating, HighwayFirst, OrdinaryFirst,
// FewestRoads, 画面全屏, 暂停, 播放, 停止, the knob. A press on the
// criterion in force does nothing; another one reweighs every road at once.
SettingsAction handleSettingsPageClick(SettingsPage& page, SettingsContext context, sf::Vector2f point);

// A mouse move at an interface point, on any screen: while the knob is
// dragged it follows the pointer between its ends and sets the volume.
void dragVolumeKnob(SettingsPage& page, BackgroundMusic& music, sf::Vector2f point);

// A release of any drag button ends the knob's drag.
void releaseVolumeKnob(SettingsPage& page);

// The hover look of the switch, criterion and transport labels, whether or
// not the page is shown.
void hoverSettingsPage(SettingsPage& page, sf::Vector2f point);

// Through the interface view: 画面全屏, 寻路动画, the two headings, the
// slider (bar, knob, left cap, number box, number), 停止, 播放, 暂停, then
// the seven criteria; each switch green while on and red while off.
void drawSettingsPage(sf::RenderTarget& target, const SettingsPage& page, const RouteCriterion& criterion,
                      bool routeAnimation, Transport transport);
