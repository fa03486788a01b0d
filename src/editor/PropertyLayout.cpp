#include "editor/PropertyLayout.h"

#include "map/Vocabulary.h"

const PropertyLayout& propertyLayout(SelectedKind kind) {
    static const PropertyLayout spot = {
        {L"类型：", L"名称：", L"坐标:(\t\t    ,    \t\t)", L"花费：", L"客户评价："},
        {65.f, 40.f},
        {kHotelType, kBankType, kMarketType, kFoodType},
        3,
        {590.f, 170.f},
        {690.f, 170.f},
        {90.f, 40.f},
        3,
    };
    static const PropertyLayout road = {
        {L"类型：", L"名称：", L"道路端点:(\t  ,\t  )", L"距离：", L"限制速度："},
        {150.f, 40.f},
        {kHighwayType, kOrdinaryRoadType, nullptr, nullptr},
        1,
        {650.f, 170.f},
        {700.f, 170.f},
        {40.f, 40.f},
        1,
    };
    return kind == SelectedKind::Spot ? spot : road;
}

void setFieldContent(TextField& field, const sf::String& content) {
    field.content = content;
    field.cutShort = false;
    field.focused = false;
    field.caretHidden = true;
    field.caretAtEnd = true;
    field.box.setOutlineThickness(0.f);
    field.showContent();
}
