#include "map/InfoPanel.h"

#include "base/TextConvert.h"
#include "base/Truncate.h"

sf::String intText(int value) { return narrowToWide(intToText(value)); }

sf::String realText(float value) { return narrowToWide(floatToText(value)); }

sf::String spotInfoText(const Spot& spot) {
    const sf::Vector2f position = spot.getPosition();
    return L"序号:" + intText(spot.number) + L"\n\n类型:" + spot.type + L"\n\n名称:" + spot.name + L"\n\n坐标:(" +
           intText(truncateToInt(position.x)) + L"," + intText(truncateToInt(position.y)) + L")" +
           L"\n\n客户评价:" + intText(spot.rating) + spot.ratingUnit +
           L"\n\n花费:" + realText(spot.cost) + spot.costUnit;
}

sf::String roadInfoText(const Road& road) {
    return L"类型:" + road.type + L"\n\n名称:" + road.name + L"\n\n长度:" + intText(truncateToInt(road.length)) +
           road.lengthUnit + L"\n\n限制速度:" + intText(road.speedLimit) + road.speedUnit;
}
