#include "editor/PropertyCheck.h"

#include "base/RecordWords.h"
#include "base/TextConvert.h"
#include "editor/MapEdits.h"
#include "map/Spot.h"

namespace {

enum Value { kType, kName, kPlaceFirst, kPlaceSecond, kMeasure, kGrade };

bool isDigit(sf::Uint32 c) { return c >= '0' && c <= '9'; }

std::string fileText(const sf::String& text) { return wideToNarrow(text.toWideString()); }

// Digits, at least one, after an optional minus sign when it is allowed, of
// a number an int holds: the map reader would read a larger one as the
// int limit.
bool isWholeNumber(const sf::String& text, bool minusAllowed) {
    std::size_t i = minusAllowed && !text.isEmpty() && text[0] == '-' ? 1 : 0;
    if (i == text.getSize()) return false;
    for (; i < text.getSize(); ++i)
        if (!isDigit(text[i])) return false;
    return intInRange(fileText(text));
}

// Digits with at most one decimal point and at least one digit: "12",
// "12.5", "12." and ".5", of a number a float holds.
bool isNonNegativeNumber(const sf::String& text) {
    int digits = 0, points = 0;
    for (sf::Uint32 c : text) {
        if (isDigit(c)) ++digits;
        else if (c == '.') ++points;
        else return false;
    }
    return digits > 0 && points <= 1 && floatInRange(fileText(text));
}

int wholeNumber(const sf::String& text) { return parseInt(fileText(text)); }

bool isSpotNumber(const sf::String& text, int spotCount) {
    if (!isWholeNumber(text, false)) return false;
    const int number = wholeNumber(text);
    return number >= 1 && number <= spotCount;
}

bool isWholeNumberIn(const sf::String& text, int lowest, int highest) {
    if (!isWholeNumber(text, false)) return false;
    const int number = wholeNumber(text);
    return number >= lowest && number <= highest;
}

bool spotNumbersValid(const std::array<sf::String, kPropertyValueCount>& v) {
    return isWholeNumber(v[kPlaceFirst], true) && isWholeNumber(v[kPlaceSecond], true) &&
           isNonNegativeNumber(v[kMeasure]) && isWholeNumberIn(v[kGrade], kLowestRating, kHighestRating);
}

bool roadNumbersValid(const std::array<sf::String, kPropertyValueCount>& v, int spotCount) {
    return isSpotNumber(v[kPlaceFirst], spotCount) && isSpotNumber(v[kPlaceSecond], spotCount) &&
           wholeNumber(v[kPlaceFirst]) != wholeNumber(v[kPlaceSecond]) &&
           isWholeNumber(v[kMeasure], false) && wholeNumber(v[kMeasure]) > 0 &&
           isWholeNumber(v[kGrade], false) && wholeNumber(v[kGrade]) > 0;
}

// The spot's centre at the typed corner, near another spot's.
bool spotTooClose(const std::array<sf::String, kPropertyValueCount>& v, const PropertyContext& context) {
    const sf::Vector2f corner(static_cast<float>(wholeNumber(v[kPlaceFirst])),
                              static_cast<float>(wholeNumber(v[kPlaceSecond])));
    return nearAnotherSpot(context.spots, spotCentre(corner), context.editedSpot - 1);
}

}  // namespace

PropertyProblem checkPropertyValues(SelectedKind kind, const std::array<sf::String, kPropertyValueCount>& values,
                                    const PropertyContext& context) {
    for (const sf::String& value : values)
        if (value.isEmpty()) return PropertyProblem::Empty;
    const std::wstring name = wideText(values[kName]);
    if (containsWhiteSpace(name)) return PropertyProblem::NameWhiteSpace;
    if (!gbkCanEncode(name)) return PropertyProblem::NameNotStorable;
    const bool spot = kind == SelectedKind::Spot;
    const bool numbersValid = spot ? spotNumbersValid(values) : roadNumbersValid(values, context.spots.count);
    if (!numbersValid || context.numberCut) return PropertyProblem::Malformed;
    return spot && spotTooClose(values, context) ? PropertyProblem::TooClose : PropertyProblem::None;
}

const wchar_t* problemMessage(PropertyProblem problem) {
    switch (problem) {
        case PropertyProblem::None: return L"";
        case PropertyProblem::Empty: return L"输入为空";
        case PropertyProblem::NameWhiteSpace: return L"名称不能含空格";
        case PropertyProblem::NameNotStorable: return L"名称含有无法保存的字符";
        case PropertyProblem::Malformed: return L"输入有误";
        case PropertyProblem::TooClose: return L"景点太近";
    }
    return L"";
}
