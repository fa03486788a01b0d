#include "editor/PropertyCheck.h"

#include "base/RecordWords.h"
#include "base/TextConvert.h"

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

bool spotNumbersValid(const std::array<sf::String, kPropertyValueCount>& v) {
    return isWholeNumber(v[kPlaceFirst], true) && isWholeNumber(v[kPlaceSecond], true) &&
           isNonNegativeNumber(v[kMeasure]) && isWholeNumber(v[kGrade], false);
}

bool roadNumbersValid(const std::array<sf::String, kPropertyValueCount>& v, int spotCount) {
    return isSpotNumber(v[kPlaceFirst], spotCount) && isSpotNumber(v[kPlaceSecond], spotCount) &&
           wholeNumber(v[kPlaceFirst]) != wholeNumber(v[kPlaceSecond]) && isWholeNumber(v[kMeasure], false) &&
           isWholeNumber(v[kGrade], false);
}

}  // namespace

PropertyProblem checkPropertyValues(SelectedKind kind, const std::array<sf::String, kPropertyValueCount>& values,
                                    int spotCount) {
    for (const sf::String& value : values)
        if (value.isEmpty()) return PropertyProblem::Empty;
    const std::wstring name = wideText(values[kName]);
    if (containsWhiteSpace(name)) return PropertyProblem::NameWhiteSpace;
    if (!gbkCanEncode(name)) return PropertyProblem::NameNotStorable;
    const bool numbersValid =
        kind == SelectedKind::Spot ? spotNumbersValid(values) : roadNumbersValid(values, spotCount);
    return numbersValid ? PropertyProblem::None : PropertyProblem::Malformed;
}

const wchar_t* problemMessage(PropertyProblem problem) {
    switch (problem) {
        case PropertyProblem::None: return L"";
        case PropertyProblem::Empty: return L"输入为空";
        case PropertyProblem::NameWhiteSpace: return L"名称不能含空格";
        case PropertyProblem::NameNotStorable: return L"名称含有无法保存的字符";
        case PropertyProblem::Malformed: return L"输入有误";
    }
    return L"";
}
