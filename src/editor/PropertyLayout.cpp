#include "editor/PropertyLayout.h"

const PropertyLayout& propertyLayout(SelectedKind kind) {
    static const PropertyLayout spot = {
        {L"类型：", L"名称：", L"坐标:(\t\t    ,    \t\t)", L"花费：", L"客户评价："},
        {65.f, 40.f},
        {L"酒店", L"银行", L"超市", L"美食"},
        3,
        {590.f, 170.f},
        {690.f, 170.f},
        {90.f, 40.f},
        3,
    };
    static const PropertyLayout road = {
        {L"类型：", L"名称：", L"道路端点:(\t  ,\t  )", L"距离：", L"限制速度："},
        {150.f, 40.f},
        {L"高速公路", L"普通道路", nullptr, nullptr},
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
    field.focused = false;
    field.caretHidden = true;
    field.caretAtEnd = true;
    field.box.setOutlineThickness(0.f);
    field.showContent();
}
