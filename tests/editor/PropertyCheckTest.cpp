// The checks of confirmed property values, field by field.
#include <gtest/gtest.h>

#include "editor/PropertyCheck.h"
#include "map/RowFields.h"

namespace {

using Values = std::array<sf::String, kPropertyValueCount>;

struct Case {
    SelectedKind kind;
    Values values;  // type, name, place pair, measure, grade
    PropertyProblem problem;
};

const SelectedKind kSpot = SelectedKind::Spot;
const SelectedKind kRoad = SelectedKind::Road;
constexpr int kSpots = 25;

// 25 spots in use, spot n with its corner at (1000 n, 0): far from the
// places the cases type.
const TextTable& spots() {
    static TextTable table;
    for (table.count = 0; table.count < kSpots; ++table.count)
        table.rows[table.count][kSpotX] = std::to_string(1000 * (table.count + 1));
    return table;
}

void check(const Case& c, const PropertyContext& context = PropertyContext{spots()}) {
    const std::basic_string<sf::Uint8> place = c.values[2].toUtf8(), name = c.values[1].toUtf8();
    EXPECT_EQ(checkPropertyValues(c.kind, c.values, context), c.problem)
        << (c.kind == kSpot ? "spot " : "road ") << std::string(name.begin(), name.end()) << " "
        << std::string(place.begin(), place.end()) << " " << c.values[3].toAnsiString() << " "
        << c.values[4].toAnsiString() << " " << c.values[5].toAnsiString();
}

}  // namespace

TEST(PropertyCheck, EachFieldIsCheckedForWhatItsFileHolds) {
    const Case cases[] = {
        {kSpot, {L"酒店", L"湖畔", L"-130", L"30", L"268.5", L"4"}, PropertyProblem::None},
        {kSpot, {L"酒店", L"湖畔", L"0", L"-5", L".5", L"1"}, PropertyProblem::None},
        {kSpot, {L"酒店", L"湖畔", L"12.", L"30", L"268", L"4"}, PropertyProblem::Malformed},   // x not whole
        {kSpot, {L"酒店", L"湖畔", L"1-2", L"30", L"268", L"4"}, PropertyProblem::Malformed},   // minus inside
        {kSpot, {L"酒店", L"湖畔", L"-", L"30", L"268", L"4"}, PropertyProblem::Malformed},     // no digit
        {kSpot, {L"酒店", L"湖畔", L"10", L"3/0", L"268", L"4"}, PropertyProblem::Malformed},   // y with "/"
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"-268", L"4"}, PropertyProblem::Malformed},   // negative cost
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"2.6.8", L"4"}, PropertyProblem::Malformed},  // two points
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L".", L"4"}, PropertyProblem::Malformed},
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"268", L"-4"}, PropertyProblem::Malformed},   // negative rating
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"268", L"4.5"}, PropertyProblem::Malformed},  // rating not whole
        {kSpot, {L"酒店", L"", L"10", L"30", L"268", L"4"}, PropertyProblem::Empty},
        {kSpot, {L"", L"湖畔", L"10", L"30", L"268", L"4"}, PropertyProblem::Empty},
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"268", L""}, PropertyProblem::Empty},
        {kSpot, {L"酒店", L"湖 畔", L"x", L"30", L"268", L"4"}, PropertyProblem::NameWhiteSpace},
        {kSpot, {L"酒店", L"湖\t畔", L"10", L"30", L"268", L"4"}, PropertyProblem::NameWhiteSpace},
        {kSpot, {L"酒店", L"湖\U0001F600", L"10", L"30", L"268", L"4"}, PropertyProblem::NameNotStorable},
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"1240", L"100"}, PropertyProblem::None},
        {kRoad, {L"高速公路", L"西环", L"25", L"1", L"1", L"1"}, PropertyProblem::None},
        {kRoad, {L"高速公路", L"西环", L"26", L"1", L"1240", L"100"}, PropertyProblem::Malformed},  // no spot 26
        {kRoad, {L"高速公路", L"西环", L"6", L"0", L"1240", L"100"}, PropertyProblem::Malformed},   // no spot 0
        {kRoad, {L"高速公路", L"西环", L"-1", L"1", L"1240", L"100"}, PropertyProblem::Malformed},
        {kRoad, {L"高速公路", L"西环", L"6", L"6", L"1240", L"100"}, PropertyProblem::Malformed},   // same spot twice
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"12.4", L"100"}, PropertyProblem::Malformed},   // length not whole
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"-124", L"100"}, PropertyProblem::Malformed},
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"1240", L"-1"}, PropertyProblem::Malformed},    // negative limit
        {kRoad, {L"高速公路", L"西 环", L"6", L"1", L"1240", L"100"}, PropertyProblem::NameWhiteSpace},
        {kRoad, {L"高速公路", L"西环", L"", L"1", L"1240", L"100"}, PropertyProblem::Empty},
    };
    for (const Case& c : cases) check(c);
}

TEST(PropertyCheck, NumbersTheMapReaderWouldReadAsALimitAreRefused) {
    const Case cases[] = {
        {kSpot, {L"酒店", L"湖畔", L"2147483647", L"-2147483648", L"268", L"5"}, PropertyProblem::None},
        {kSpot, {L"酒店", L"湖畔", L"00000000000000000012", L"30", L"268", L"4"}, PropertyProblem::None},
        {kSpot, {L"酒店", L"湖畔", L"2147483648", L"30", L"268", L"4"}, PropertyProblem::Malformed},
        {kSpot, {L"酒店", L"湖畔", L"10", L"-2147483649", L"268", L"4"}, PropertyProblem::Malformed},
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"268", L"99999999999"}, PropertyProblem::Malformed},
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"340282340000000000000000000000000000000", L"4"},
         PropertyProblem::None},
        {kSpot, {L"酒店", L"湖畔", L"10", L"30", L"1000000000000000000000000000000000000000.5", L"4"},
         PropertyProblem::Malformed},
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"2147483647", L"2147483647"}, PropertyProblem::None},
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"2147483648", L"100"}, PropertyProblem::Malformed},
        {kRoad, {L"高速公路", L"西环", L"6", L"1", L"1240", L"4294967296"}, PropertyProblem::Malformed},
    };
    for (const Case& c : cases) check(c);
}

TEST(PropertyCheck, EveryProblemHasItsMessage) {
    EXPECT_EQ(std::wstring(problemMessage(PropertyProblem::None)), L"");
    EXPECT_EQ(std::wstring(problemMessage(PropertyProblem::Empty)), L"输入为空");
    EXPECT_EQ(std::wstring(problemMessage(PropertyProblem::NameWhiteSpace)), L"名称不能含空格");
    EXPECT_EQ(std::wstring(problemMessage(PropertyProblem::NameNotStorable)), L"名称含有无法保存的字符");
    EXPECT_EQ(std::wstring(problemMessage(PropertyProblem::Malformed)), L"输入有误");
    EXPECT_EQ(std::wstring(problemMessage(PropertyProblem::TooClose)), L"景点太近");
}
