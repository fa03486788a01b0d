#include "support/Program.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "map/RowFields.h"
#include "map/Spot.h"
#include "support/RunTree.h"
#include "support/Shell.h"
#include "support/TempDir.h"

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

sf::Vector2i homeViewPixel(float mapX, float mapY) {
    return {static_cast<int>((mapX + 190.f) / 2.f), static_cast<int>((mapY + 30.f) / 2.f)};
}

sf::Vector2i interfacePixel(float x, float y) { return {static_cast<int>(x * 0.8f), static_cast<int>(y * 0.8f)}; }

std::vector<sf::Vector2i> spotOutlinePixels(sf::Vector2i centre) {
    return {centre + sf::Vector2i(16, 0), centre + sf::Vector2i(-16, 0), centre + sf::Vector2i(0, 16),
            centre + sf::Vector2i(0, -16)};
}

std::string wineStarter(const std::string& folder, const std::string& exe) {
    const std::string script = folder + "/start.sh";
    writeBytes(script, "#!/bin/sh\nexec wine " + shellQuoted(exe) + "\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

bool spotOutlined(const sf::Image& shot, sf::Vector2i centre) {
    for (const sf::Vector2i at : spotOutlinePixels(centre))
        if (Program::windowPixel(shot, at) != sf::Color::Red) return false;
    return true;
}

std::vector<sf::Vector2i> roadOutlinePixels(sf::Vector2i from, sf::Vector2i to, float share) {
    const float dx = static_cast<float>(to.x - from.x);
    const float dy = static_cast<float>(to.y - from.y);
    const float length = std::sqrt(dx * dx + dy * dy);
    const sf::Vector2f along(from.x + dx * share, from.y + dy * share);
    const sf::Vector2f beside(-dy / length * 6.f, dx / length * 6.f);
    const auto rounded = [](sf::Vector2f p) {
        return sf::Vector2i(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    };
    return {rounded(along + beside), rounded(along - beside)};
}

bool roadOutlined(const sf::Image& shot, sf::Vector2i from, sf::Vector2i to) {
    for (const float share : {0.5f, 1.f / 3.f, 2.f / 3.f}) {
        bool blue = true;
        for (const sf::Vector2i at : roadOutlinePixels(from, to, share))
            blue = blue && Program::windowPixel(shot, at) == sf::Color::Blue;
        if (blue) return true;
    }
    return false;
}

bool isLoginScreenWithTitle(const sf::Image& shot) {
    return Program::windowPixel(shot, 5, 5) == sf::Color::Cyan && Program::windowPixel(shot, 635, 475) == sf::Color::Cyan &&
           Program::windowPixel(shot, homeViewPixel(730.f, 410.f)) == sf::Color::White &&
           countPixels(shot, sf::IntRect(0, 50, 640, 60), sf::Color::Black) > 1000;
}

bool nearColour(sf::Color actual, sf::Color expected, int tolerance) {
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}

int countPixels(const sf::Image& shot, sf::IntRect area, sf::Color colour, int tolerance) {
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            count += nearColour(Program::windowPixel(shot, x, y), colour, tolerance);
    return count;
}

namespace {

std::string position(int left, int top, sf::Vector2i pixel) {
    return std::to_string(left + pixel.x) + " " + std::to_string(top + pixel.y);
}

bool sendCloseRequest(const std::string& display, unsigned long window);

}  // namespace

Program::Program(const std::string& screen) : server_(std::make_unique<XvfbServer>(false, screen)) {
    copyRunTree(dir_.path());
}

Program::Program(const std::string& screen, const std::string& executable)
    : server_(std::make_unique<XvfbServer>(false, screen)), executable_(executable) {}

void Program::setEnvironment(const std::string& name, const std::string& value) {
    environment_.emplace_back(name, value);
}

Program::~Program() {
    if (!running()) return;
    kill(pid_, SIGTERM);
    if (waitForExit(2000) == -1 && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::string Program::shell(const std::string& command) const {
    return runShell("DISPLAY=" + server_->display() + " " + command + " 2>/dev/null").output;
}

bool Program::start(int milliseconds) {
    if (server_->display().empty()) return false;
    startedAt_ = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(dir_.path().c_str()) != 0) _exit(126);
        setenv("DISPLAY", server_->display().c_str(), 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        for (const auto& [name, value] : environment_) setenv(name.c_str(), value.c_str(), 1);
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        execl(executable_.c_str(), executable_.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    while (running() && millisecondsSinceStart() < milliseconds) {
        if (readWindow()) {
            millisecondsToWindow_ = millisecondsSinceStart();
            // The window exists before anything is drawn into it: wait for
            // the first frame, which paints the top-left corner.
            while (millisecondsSinceStart() < millisecondsToWindow_ + 3000 && running()) {
                if (windowPixel(screenshot(), 1, 1) != sf::Color::Black) break;
                pause(20);
            }
            return true;
        }
        pause(20);
    }
    return false;
}

bool Program::readWindow() {
    // The window is 640x480; without a window manager it lands where the
    // library centres it, so its id and position are read from the X server.
    const std::regex geometry(R"((0x[0-9a-f]+) .*640x480\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))");
    const std::string tree = windowTree();
    std::smatch match;
    if (!std::regex_search(tree, match, geometry)) return false;
    windowId_ = match[1];
    left_ = std::stoi(match[2]);
    top_ = std::stoi(match[3]);
    return true;
}

bool Program::findWindowAgain(int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (readWindow()) return true;
        pause(50);
    }
    return false;
}

std::string Program::windowTree() const { return shell("xwininfo -root -tree"); }

int Program::millisecondsSinceStart() const {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - startedAt_).count());
}

void Program::xdotool(const std::string& arguments) const { shell("xdotool " + arguments); }

void Program::moveTo(sf::Vector2i pixel) const { xdotool("mousemove " + position(left_, top_, pixel)); }

void Program::clickAt(sf::Vector2i pixel) const {
    // The pause lets the program see the move before the press, as a hand would.
    xdotool("mousemove " + position(left_, top_, pixel) + " sleep 0.05 click 1");
    pause(50);
}

void Program::shiftClickAt(sf::Vector2i pixel) const {
    // The program reads the Shift key's state when it handles the press, so
    // the key stays down a little longer than the click.
    xdotool("mousemove " + position(left_, top_, pixel) +
            " keydown Shift_L sleep 0.1 click 1 sleep 0.1 keyup Shift_L");
}

void Program::drag(sf::Vector2i from, sf::Vector2i to, int steps) const {
    std::string arguments = "mousemove " + position(left_, top_, from) + " sleep 0.05 mousedown 1";
    for (int step = 1; step <= steps; ++step) {
        const sf::Vector2i at(from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps);
        arguments += " sleep 0.02 mousemove " + position(left_, top_, at);
    }
    xdotool(arguments + " sleep 0.05 mouseup 1");
    pause(50);
}

void Program::wheel(sf::Vector2i pixel, int notches) const {
    const std::string button = notches > 0 ? "4" : "5";
    std::string arguments = "mousemove " + position(left_, top_, pixel);
    for (int n = 0; n < std::abs(notches); ++n) arguments += " sleep 0.02 click " + button;
    xdotool(arguments);
    pause(50);
}

void Program::typeText(const std::string& text) const {
    // xdotool types a character that has no key by binding it to a spare key
    // for a moment and unbinding it afterwards; a busy program that reads
    // the press only after the unbinding loses the character. Typing such
    // text slowly leaves the program time to read each one.
    const bool needsSpareKeys = std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
    xdotool(std::string("type ") + (needsSpareKeys ? "--delay 250 " : "") + "-- " + shellQuoted(text));
}

void Program::key(const std::string& keys) const { xdotool("key " + keys); }

void Program::registerAccount(const std::string& name, const std::string& password) const {
    clickAt(homeViewPixel(500.f, 400.f));
    typeText(name);
    key("Tab");
    typeText(password);
    clickAt(homeViewPixel(450.f, 725.f));  // "注册账号"
}

void Program::logIn(const std::string& name, const std::string& password) const {
    clickAt(homeViewPixel(500.f, 400.f));  // the user-name box's centre
    typeText(name);
    key("Tab");
    typeText(password);
    key("Return");
}

bool Program::requestClose() const {
    return !windowId_.empty() && sendCloseRequest(server_->display(), std::stoul(windowId_, nullptr, 16));
}

sf::Image Program::screenshot() const {
    const std::string path = dir_.file("shot.bmp");
    std::remove(path.c_str());
    sf::Image image;
    // The window is cut out of the whole screen: import given a window id
    // that no longer exists waits for someone to pick a window instead.
    if (!windowId_.empty())
        shell("import -window root -crop 640x480+" + std::to_string(left_) + "+" + std::to_string(top_) +
              " +repage bmp:" + path);
    if (!fileExists(path) || !image.loadFromFile(path) || image.getSize().x != 640 || image.getSize().y > 480) {
        image.create(640, 480, sf::Color::Black);
    } else if (image.getSize().y < 480) {
        // The window runs past the screen's bottom edge: that part is black.
        sf::Image whole;
        whole.create(640, 480, sf::Color::Black);
        whole.copy(image, 0, 0);
        image = whole;
    }
    return image;
}

sf::Color Program::windowPixel(const sf::Image& shot, int x, int y) {
    return shot.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

void Program::saveScreenshot(const std::string& name) const {
    if (std::getenv("NAV_SHOT_DIR")) saveScreenshot(name, screenshot());
}

void Program::saveScreenshot(const std::string& name, const sf::Image& shot) {
    if (const char* folder = std::getenv("NAV_SHOT_DIR")) shot.saveToFile(std::string(folder) + "/" + name + ".png");
}

bool Program::waitForScreen(const std::function<bool(const sf::Image&)>& test, int milliseconds,
                            sf::Image* last) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const sf::Image shot = screenshot();
        if (last) *last = shot;
        if (test(shot)) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        pause(20);
    }
}

bool Program::waitForPixel(sf::Vector2i pixel, sf::Color colour, int milliseconds, int tolerance) const {
    return waitForScreen(
        [&](const sf::Image& shot) { return nearColour(windowPixel(shot, pixel), colour, tolerance); }, milliseconds);
}

bool Program::waitForOutput(const std::regex& pattern, int milliseconds) const {
    for (int waited = 0; !std::regex_search(standardOutput(), pattern); waited += 20) {
        if (waited >= milliseconds) return false;
        pause(20);
    }
    return true;
}

bool Program::running() {
    if (pid_ <= 0) return false;
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        millisecondsToExit_ = millisecondsSinceStart();
        pid_ = -1;
        return false;
    }
    return done == 0;
}

int Program::waitForExit(int milliseconds) {
    for (int waited = 0; running(); waited += 10) {
        if (waited >= milliseconds) return -1;
        pause(10);
    }
    return exitStatus_;
}

std::string Program::standardOutput() const { return readBytes(dir_.file("stdout.txt")); }

std::string Program::standardErrorTail() const {
    const std::string text = readBytes(dir_.file("stderr.txt"));
    return text.size() > 600 ? text.substr(text.size() - 600) : text;
}

sf::Vector2i spotCentreAtHome(const std::string& spotsFile, int n) {
    // A spot's position is the top-left corner of its circle.
    const std::vector<std::string> row = mapFileRow(spotsFile, n);
    if (row.size() <= kSpotY) return {-1, -1};
    const sf::Vector2f centre = spotCentre({std::stof(row[kSpotX]), std::stof(row[kSpotY])});
    return homeViewPixel(centre.x, centre.y);
}

sf::Vector2i Program::spotCentreAtHome(int n) const { return ::spotCentreAtHome(file("Data/cross.txt"), n); }

std::pair<int, int> Program::roadEnds(int n) const {
    const std::vector<std::string> row = mapFileRow(file("Data/route.txt"), n);
    if (row.size() <= kRoadStart) return {0, 0};
    return {std::stoi(row[kRoadEnd]), std::stoi(row[kRoadStart])};
}

// The close request needs Xlib, which the test executable has loaded through
// the graphics library but does not link against; it is reached with dlopen.
// Xlib's macros (None, Bool, True...) stay confined to the end of this file.
#include <X11/Xlib.h>
#include <dlfcn.h>

namespace {

bool sendCloseRequest(const std::string& display, unsigned long window) {
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!xlib) return false;
    const auto openDisplay = reinterpret_cast<decltype(&XOpenDisplay)>(dlsym(xlib, "XOpenDisplay"));
    const auto internAtom = reinterpret_cast<decltype(&XInternAtom)>(dlsym(xlib, "XInternAtom"));
    const auto sendEvent = reinterpret_cast<decltype(&XSendEvent)>(dlsym(xlib, "XSendEvent"));
    const auto flush = reinterpret_cast<decltype(&XFlush)>(dlsym(xlib, "XFlush"));
    const auto closeDisplay = reinterpret_cast<decltype(&XCloseDisplay)>(dlsym(xlib, "XCloseDisplay"));
    bool sent = false;
    Display* connection = openDisplay && internAtom && sendEvent && flush && closeDisplay
                              ? openDisplay(display.c_str())
                              : nullptr;
    if (connection) {
        // What a window manager sends for a click on the close button.
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = internAtom(connection, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(internAtom(connection, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        sent = sendEvent(connection, window, False, NoEventMask, &event) != 0;
        flush(connection);
        closeDisplay(connection);
    }
    dlclose(xlib);
    return sent;
}

}  // namespace
