// Text conversion and number parsing: the input is read as GBK bytes, as
// wide text (three bytes a character) and as number text, and cut into the
// six values of the property editor.
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "base/RecordWords.h"
#include "base/TextConvert.h"
#include "base/Truncate.h"
#include "editor/PropertyCheck.h"

namespace {

// 99 spots in use, all with their corner at (0, 0).
const TextTable& spotsInUse() {
    static const TextTable spots = [] {
        TextTable table;
        table.count = kMaxMapObjects;
        return table;
    }();
    return spots;
}

void checkGbk(const std::string& bytes) {
    const std::wstring read = narrowToWide(bytes);
    // Text read from a data file can be written back unless it held bytes
    // that are not GBK.
    if (read.find(L'\uFFFD') == std::wstring::npos) fuzzCheck(gbkCanEncode(read), "GBK text read can be written back");
    consoleText(read);
}

void checkWide(const std::wstring& wide) {
    const std::string stored = wideToNarrow(wide);
    consoleText(wide);
    containsWhiteSpace(wide);
    if (gbkCanEncode(wide)) fuzzCheck(narrowToWide(stored) == wide, "text GBK can encode reads back as it was");
}

void checkNumbers(const std::string& text) {
    const int whole = parseInt(text);
    fuzzCheck(parseInt(intToText(whole)) == whole, "a whole number reads back as written");
    const float real = parseFloat(text);
    truncateToInt(real);
    if (std::isfinite(real)) {
        const float again = parseFloat(floatToText(real));
        fuzzCheck(std::fabs(again - real) <= std::fabs(real) * 1e-5f, "a number reads back as written");
    }
}

// The number that whole-number text stands for, when it fits in 64 bits.
bool typedWholeNumber(const std::string& text, long long& value) {
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end != text.c_str();
}

// Values the editor accepts are stored as typed; what the map reader then
// reads from them is what was typed.
void checkAcceptedValues(const std::string& input) {
    const std::vector<std::string> pieces = splitInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                                      input.size(), kPropertyValueCount);
    std::array<sf::String, kPropertyValueCount> values;
    for (int i = 0; i < kPropertyValueCount; ++i) values[i] = narrowToWide(pieces[i]);
    for (SelectedKind kind : {SelectedKind::Spot, SelectedKind::Road}) {
        if (checkPropertyValues(kind, values, PropertyContext{spotsInUse()}) != PropertyProblem::None) continue;
        // The place pair, the measure and the grade: whole numbers but a spot's cost.
        for (int field = 2; field < kPropertyValueCount; ++field) {
            if (kind == SelectedKind::Spot && field == 4) {
                fuzzCheck(std::isfinite(std::strtof(pieces[field].c_str(), nullptr)),
                          "an accepted cost is a number a float holds");
                continue;
            }
            long long typed = 0;
            fuzzCheck(typedWholeNumber(pieces[field], typed) && typed == parseInt(pieces[field]),
                      "an accepted whole number is read back as typed");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    checkGbk(input);
    checkWide(wideFromBytes(input));
    checkNumbers(input);
    checkAcceptedValues(input);
    return 0;
}
