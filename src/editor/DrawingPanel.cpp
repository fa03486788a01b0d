#include "editor/DrawingPanel.h"

#include <ostream>

#include "base/Truncate.h"
#include "editor/MapEdits.h"

namespace {

// Draw-road mode's prompts: before the start is picked, and after.
const wchar_t* const kStartPrompt = L"选择起点";
const wchar_t* const kEndPrompt = L"选择终点";

sf::Vector2f wholeUnits(sf::Vector2f point) {
    return {static_cast<float>(truncateToInt(point.x)), static_cast<float>(truncateToInt(point.y))};
}

// A press on the switch of a mode: off when it is on, otherwise on in place
// of the mode in force.
void toggleMode(DrawingPanel& panel, EditorSession& session, DrawingMode mode, sf::Vector2f mapPoint) {
    const bool wasOn = panel.mode == mode;
    resetDrawingPanel(panel, session.status, session.map, session.pick);
    hideStatus(session.status);
    if (wasOn) return;
    panel.mode = mode;
    if (mode == DrawingMode::PlaceSpot) panel.preview.setPosition(wholeUnits(mapPoint));
    if (mode == DrawingMode::DrawRoad) showStatus(session.status, kStartPrompt, sf::Color::Yellow);
}

// Returns whether the press was on one of the three switches.
bool pressSwitches(DrawingPanel& panel, EditorSession& session, sf::Vector2f point, sf::Vector2f mapPoint) {
    const std::pair<const ToggleButton*, DrawingMode> switches[] = {
        {&panel.placeSpot, DrawingMode::PlaceSpot},
        {&panel.drawRoad, DrawingMode::DrawRoad},
        {&panel.remove, DrawingMode::Delete},
    };
    for (const auto& [button, mode] : switches) {
        if (!toggleHit(*button, point)) continue;
        toggleMode(panel, session, mode, mapPoint);
        return true;
    }
    return false;
}

// One activation allows one attempt, placed or refused.
void placeSpot(DrawingPanel& panel, EditorSession& session, sf::Vector2f mapPoint) {
    panel.mode = DrawingMode::None;
    switch (appendSpotRow(session.map.spotTable, mapPoint)) {
        case PlaceOutcome::TooClose:
            showStatus(session.status, L"景点太近", sf::Color::Red);
            return;
        case PlaceOutcome::Full:
            showStatus(session.status, L"景点数量已满", sf::Color::Red);
            return;
        case PlaceOutcome::Placed:
            hideStatus(session.status);
            clearSelection(session.info.selection);
            commitEdit(session, true, false);
            return;
    }
}

// Returns false when the press picked no spot.
bool pickRoadEnd(DrawingPanel& panel, EditorSession& session, sf::Vector2f mapPoint) {
    RoutePick& pick = session.pick;
    if (!pickSpot(session.map, pick, mapPoint, session.info)) return false;
    if (pick.pickCount == 1) {
        session.info.console << pick.pickCount << std::endl;
        showStatus(session.status, kEndPrompt, sf::Color::Yellow);
        pick.start = pick.lastPicked;
        return true;
    }
    resetPick(session.map, pick);
    hideStatus(session.status);
    clearSelection(session.info.selection);
    panel.mode = DrawingMode::None;
    if (appendRoadRow(session.map.roadTable, pick.lastPicked, pick.start)) commitEdit(session, false, true);
    else showStatus(session.status, L"道路数量已满", sf::Color::Red);
    return true;
}

// The object under the point: a spot before any road, since a road's bar
// runs under the spots it joins.
void deleteAt(EditorSession& session, sf::Vector2f mapPoint) {
    MapModel& map = session.map;
    for (int n = 1; n <= map.spotCount; ++n) {
        if (!hitSpot(map.spots[n], mapPoint, session.info)) continue;
        deleteSelected(session);
        return;
    }
    for (int n = 1; n <= map.roadCount; ++n) {
        Road& road = map.roads[n];
        if (!roadEndsValid(map, road) || !hitRoad(road, mapPoint, session.info)) continue;
        deleteSelected(session);
        return;
    }
}

}  // namespace

void buildDrawingPanel(DrawingPanel& panel, const sf::Font& font) {
    panel.rect.setPosition(525.f, 200.f);
    panel.rect.setSize(sf::Vector2f(250.f, 320.f));
    panel.rect.setFillColor(sf::Color::Green);
    panel.rect.setOutlineColor(sf::Color::Cyan);
    panel.rect.setOutlineThickness(5.f);
    panel.placeSpot = makeToggleButton(font, L"绘制景点", {555.f, 220.f});
    panel.drawRoad = makeToggleButton(font, L"绘制道路", {555.f, 320.f});
    panel.remove = makeToggleButton(font, L"删除绘制", {555.f, 420.f});

    panel.preview.setRadius(kSpotRadius);
    panel.preview.setPointCount(30);
    panel.preview.setOrigin(kSpotRadius, kSpotRadius);
    panel.preview.setFillColor(sf::Color::Cyan);
    panel.preview.setOutlineColor(sf::Color::Red);
    panel.preview.setOutlineThickness(5.f);
}

void handleDrawingClick(DrawingPanel& panel, EditorSession& session, sf::Vector2f point, sf::Vector2f mapPoint) {
    if (pressSwitches(panel, session, point, mapPoint)) {
        if (panel.mode != DrawingMode::Delete) clearSelection(session.info.selection);
        return;
    }
    const bool onMap = !insidePanel(session.info.panel, point);
    if (onMap && panel.mode == DrawingMode::PlaceSpot) {
        placeSpot(panel, session, mapPoint);
        return;
    }
    if (onMap && panel.mode == DrawingMode::DrawRoad && pickRoadEnd(panel, session, mapPoint)) return;
    if (panel.mode == DrawingMode::Delete) {
        if (onMap) deleteAt(session, mapPoint);
        return;
    }
    hideStatus(session.status);
    clearSelection(session.info.selection);
}

void resetDrawingPanel(DrawingPanel& panel, StatusMessage& status, MapModel& map, RoutePick& pick) {
    if (panel.mode == DrawingMode::DrawRoad) {
        resetPick(map, pick);
        hideStatus(status);
    }
    panel.mode = DrawingMode::None;
}

void addModePrompt(const DrawingPanel& panel, StatusMessage& status, const RoutePick& pick) {
    if (panel.mode == DrawingMode::DrawRoad) addStatusPrompt(status, pick.pickCount == 0 ? kStartPrompt : kEndPrompt);
}

void movePlacementPreview(DrawingPanel& panel, sf::Vector2f mapPoint) {
    if (panel.mode == DrawingMode::PlaceSpot) panel.preview.setPosition(wholeUnits(mapPoint));
}

void hoverDrawingPanel(DrawingPanel& panel, sf::Vector2f point) {
    applyHover(panel.placeSpot.label, point);
    applyHover(panel.drawRoad.label, point);
    applyHover(panel.remove.label, point);
}

void drawDrawingPanel(sf::RenderTarget& target, const DrawingPanel& panel, const StatusMessage& status,
                      const sf::View& mapView) {
    target.draw(panel.rect);
    drawToggleButton(target, panel.placeSpot, panel.mode == DrawingMode::PlaceSpot);
    drawToggleButton(target, panel.drawRoad, panel.mode == DrawingMode::DrawRoad);
    drawToggleButton(target, panel.remove, panel.mode == DrawingMode::Delete);
    if (panel.mode == DrawingMode::PlaceSpot) {
        const sf::View panelView = target.getView();
        target.setView(mapView);
        target.draw(panel.preview);
        target.setView(panelView);
    }
    drawStatus(target, status);
}
