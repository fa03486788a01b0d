#include "support/EditorFixture.h"

#include "map/MapFiles.h"
#include "support/Events.h"
#include "support/RunTree.h"

void EditorFixture::clickToggle(const ToggleButton& button) { clickBox(button.rect); }

void EditorFixture::clickBox(const sf::RectangleShape& box) {
    const sf::FloatRect r = box.getGlobalBounds();
    click(interfacePixel({r.left + r.width / 2, r.top + r.height / 2}));
}

void EditorFixture::openDrawingPanel() {
    clickToggle(probe().toolButtons.drawing);
    ASSERT_TRUE(isOpen(probe().tools, ToolPanel::Drawing));
}

void EditorFixture::editSpot(int n) {
    click(spotPixel(n));
    ASSERT_EQ(probe().selection.spotNumber, n);
    clickButton(probe().editor.property.editButton);
    ASSERT_TRUE(probe().editor.property.editing);
}

void EditorFixture::editRoad(int n) {
    click(roadPixel(n));
    ASSERT_EQ(probe().selection.kind, SelectedKind::Road);
    ASSERT_EQ(probe().selection.roadNumber, n);
    clickButton(probe().editor.property.editButton);
    ASSERT_TRUE(probe().editor.property.editing);
}

void EditorFixture::retype(PropertyInput input, const std::wstring& text) {
    clickBox(probe().editor.property.inputs[input].box);
    for (int i = 0; i < 8; ++i) send(keyPress(sf::Keyboard::Backspace));
    typeText(text);
}

std::vector<std::string> EditorFixture::spotsFileRow(int n) const { return mapFileRow(dir.file(kSpotsFile), n); }
std::vector<std::string> EditorFixture::roadsFileRow(int n) const { return mapFileRow(dir.file(kRoadsFile), n); }
std::string EditorFixture::spotsFile() const { return readBytes(dir.file(kSpotsFile)); }
std::string EditorFixture::roadsFile() const { return readBytes(dir.file(kRoadsFile)); }

::testing::AssertionResult EditorFixture::statusShows(const wchar_t* text, sf::Color colour) const {
    const StatusMessage& status = probe().editor.status;
    if (!status.visible) return ::testing::AssertionFailure() << "the status message is hidden";
    if (status.text.getString() != sf::String(text)) {
        const std::basic_string<sf::Uint8> shown = status.text.getString().toUtf8();
        return ::testing::AssertionFailure() << "the status message reads " << std::string(shown.begin(), shown.end());
    }
    if (status.text.getFillColor() != colour) return ::testing::AssertionFailure() << "another colour";
    return ::testing::AssertionSuccess();
}

sf::Color EditorFixture::colourAt(const sf::Image& shot, sf::Vector2f interfacePoint) const {
    const sf::Vector2i p = interfacePixel(interfacePoint);
    return shot.getPixel(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
}
