// The Windows zip as a user meets it: unpacked, its exe started under wine
// on an X server of its own, the login screen, a registration, the demo
// user's login, a route between two spots, the close button. The zip is
// named by $NAV_WINDOWS_ZIP, the wine prefix by $WINEPREFIX
// (tools/windows/test.sh sets both and runs this test alone).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/InterfaceCanvas.h"
#include "support/Program.h"
#include "support/RunTree.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Vector2i kPanelSample(630, 330);

TEST(WindowsZipE2E, TheUnpackedExeRegistersLogsInShowsARouteAndCloses) {
    const char* zip = std::getenv("NAV_WINDOWS_ZIP");
    ASSERT_TRUE(zip && *zip) << "set NAV_WINDOWS_ZIP to the zip tools/windows.sh wrote";
    const TempDir unpacked;
    const CommandResult unzipped = runCommand("cd " + shellQuoted(unpacked.path()) + " && unzip -q " + shellQuoted(zip));
    ASSERT_EQ(unzipped.status, 0) << unzipped.output;
    const std::string folder = unpacked.file("navigation-system-" NAV_VERSION "-windows-x64");
    const auto centre = [&](int n) { return spotCentreAtHome(folder + "/Data/cross.txt", n); };
    // Started from another folder: the exe must find its files beside it.
    Program program("1024x768x24", wineStarter(unpacked.path(), folder + "/navigation-system.exe"));
    program.setEnvironment("WINEDEBUG", "-all");
    ASSERT_TRUE(program.start(60000)) << program.standardErrorTail();
    ASSERT_TRUE(program.waitForScreen(isLoginScreenWithTitle, 10000)) << "the login screen with its texts";
    program.saveScreenshot("windows-login");

    const std::string users = folder + "/Data/users.txt";
    const std::string before = readBytes(users);
    // Wine loses the first character typed through a remapped key (the way
    // xdotool types Chinese): one is typed and erased first.
    program.clickAt(homeViewPixel(500.f, 400.f));
    program.typeText("新");
    program.key("BackSpace");
    program.registerAccount("新来客", "abc123");
    const std::string registered = before + "\r\n" + "\xD0\xC2\xC0\xB4\xBF\xCD" + " abc123";  // 新来客 in GBK
    for (int waited = 0; waited < 5000 && readBytes(users) != registered; waited += 100) pause(100);
    EXPECT_EQ(readBytes(users), registered) << "the new account's GBK line in the unpacked Data/";

    // The fields keep what was typed: emptied first.
    program.clickAt(homeViewPixel(500.f, 400.f));
    program.key("BackSpace BackSpace BackSpace Tab BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace");
    program.logIn("游客", "123456");
    ASSERT_TRUE(program.waitForPixel(kPanelSample, kPanelColour, 10000)) << "the user screen's side panel";
    // Under the distance criterion the best way from spot 11 to spot 25
    // passes spots 16, 17 and 22 to 24; the panel's title reads 路线分析, as
    // the same text drawn here on Linux shows it.
    program.shiftClickAt(centre(11));
    EXPECT_TRUE(program.waitForScreen([&](const sf::Image& s) { return spotOutlined(s, centre(11)); }, 5000));
    program.shiftClickAt(centre(25));
    InterfaceCanvas canvas(program);
    ASSERT_TRUE(canvas.ready());
    sf::Text title(L"路线分析", canvas.font(), 50);
    title.setFillColor(sf::Color::Black);
    title.setPosition(550.f, 5.f);
    const sf::IntRect titleArea(430, 4, 210, 44);
    int differing = -1;
    const auto routeShown = [&](const sf::Image& s) {
        for (int spot : {11, 16, 17, 22, 23, 24, 25})
            if (!spotOutlined(s, centre(spot))) return false;
        differing = canvas.differingPixels(s, titleArea, kPanelColour, {&title});
        return differing * 20 < titleArea.width * titleArea.height;
    };
    sf::Image route;
    EXPECT_TRUE(program.waitForScreen(routeShown, 10000, &route))
        << "the route outlined and 路线分析 in the panel; the title's pixels unlike it: " << differing;
    program.saveScreenshot("windows-route", route);

    ASSERT_TRUE(program.requestClose());
    EXPECT_EQ(program.waitForExit(20000), 0) << program.standardErrorTail();
}

}  // namespace
