#pragma once
// Drives the real program binary for end-to-end tests: its own X server, its
// own working directory with a copy of the run-time tree, xdotool for input
// and screenshots of the window for what the user sees.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <chrono>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>
#include <sys/types.h>

#include "support/TempDir.h"
#include "support/Xvfb.h"

class Program {
public:
    // Prepares the working directory and an X screen of the given size
    // ("WxHxDepth"); call start() to run the binary.
    explicit Program(const std::string& screen = "1024x768x24");
    // Runs another executable that starts the program (an installed
    // launcher) instead, from an empty working directory.
    Program(const std::string& screen, const std::string& executable);
    ~Program();

    const std::string& workDir() const { return dir_.path(); }
    // The program's X display (":N").
    const std::string& display() const { return server_->display(); }
    std::string file(const std::string& relative) const { return dir_.file(relative); }

    // Starts the binary and waits for its window and its first drawn frame
    // (or the end of the process); false when no window appears in time.
    bool start(int milliseconds = 10000);
    // Sets a variable of the program's environment, replacing the default
    // (ALSOFT_DRIVERS=null); call before start().
    void setEnvironment(const std::string& name, const std::string& value);
    // Looks for the program's 640 x 480 window again, after it was made
    // anew; true when one was found within the time.
    bool findWindowAgain(int milliseconds);
    // The window lines of the X server's window tree (xwininfo -root -tree).
    std::string windowTree() const;
    // Milliseconds since start() launched the binary, and from the launch
    // until its window was seen.
    int millisecondsSinceStart() const;
    int millisecondsToWindow() const { return millisecondsToWindow_; }

    // Window position on the X screen (there is no window manager).
    int left() const { return left_; }
    int top() const { return top_; }

    // Runs xdotool with the given arguments on the program's display.
    void xdotool(const std::string& arguments) const;
    // Moves to a window pixel (and clicks the left button).
    void moveTo(sf::Vector2i pixel) const;
    void clickAt(sf::Vector2i pixel) const;
    void moveTo(int x, int y) const { moveTo({x, y}); }
    void clickAt(int x, int y) const { clickAt({x, y}); }
    // A left click with the left Shift key held, as one xdotool command.
    void shiftClickAt(sf::Vector2i pixel) const;
    // Presses the left button at one pixel, moves in steps and releases it.
    void drag(sf::Vector2i from, sf::Vector2i to, int steps = 10) const;
    // Turns the mouse wheel at a pixel: positive notches away from the user
    // (xdotool button 4), negative towards the user (button 5).
    void wheel(sf::Vector2i pixel, int notches) const;
    // Types UTF-8 text (Chinese arrives as text-entry events) or presses
    // named keys ("Tab", "Return").
    void typeText(const std::string& text) const;
    void key(const std::string& keys) const;
    // Logs in through the login screen's user-name and password fields with
    // the keyboard: click the name box, type, Tab, type, Return.
    void logIn(const std::string& name, const std::string& password) const;
    // Types a user name and a password into the login screen's fields and
    // clicks "注册账号".
    void registerAccount(const std::string& name, const std::string& password) const;
    // Sends the window the close request a window manager sends when its
    // close button is clicked; false when it could not be sent.
    bool requestClose() const;

    // A screenshot of the program's window (640 x 480; what lies beyond the
    // screen's edge is black), and one of its pixels.
    sf::Image screenshot() const;
    static sf::Color windowPixel(const sf::Image& shot, int x, int y);
    static sf::Color windowPixel(const sf::Image& shot, sf::Vector2i pixel) { return windowPixel(shot, pixel.x, pixel.y); }
    // Saves a new screenshot, or one taken before, as <name>.png into
    // $NAV_SHOT_DIR when it is set.
    void saveScreenshot(const std::string& name) const;
    static void saveScreenshot(const std::string& name, const sf::Image& shot);

    // Takes screenshots until one satisfies the test; true when one did
    // within the time, with that screenshot in *last when given.
    bool waitForScreen(const std::function<bool(const sf::Image&)>& test, int milliseconds,
                       sf::Image* last = nullptr) const;
    // The same for one window pixel of (nearly) the given colour.
    bool waitForPixel(sf::Vector2i pixel, sf::Color colour, int milliseconds, int tolerance = 0) const;
    // Waits until something in standard output matches.
    bool waitForOutput(const std::regex& pattern, int milliseconds) const;

    // Waits for the process to end; its exit status, or -1 on time-out.
    int waitForExit(int milliseconds);
    bool running();
    // Milliseconds from the launch to the moment the end was noticed (within
    // a few tens of milliseconds of it); -1 while it runs.
    int millisecondsToExit() const { return millisecondsToExit_; }

    std::string standardOutput() const;
    // The end of standard error, for messages when something went wrong.
    std::string standardErrorTail() const;

    // From the working directory's map files: the window pixel of the centre
    // of spot n while the map view is at its home position, and the two spot
    // numbers that road n joins.
    sf::Vector2i spotCentreAtHome(int n) const;
    std::pair<int, int> roadEnds(int n) const;

private:
    std::string shell(const std::string& command) const;
    // Reads the window's id and position from the window tree; false when
    // no 640 x 480 window is there.
    bool readWindow();

    TempDir dir_;
    std::unique_ptr<XvfbServer> server_;
    std::vector<std::pair<std::string, std::string>> environment_;
    std::string executable_ = NAV_BINARY;
    pid_t pid_ = -1;
    int exitStatus_ = -1;
    int millisecondsToExit_ = -1;
    int millisecondsToWindow_ = -1;
    std::string windowId_;
    int left_ = 0;
    int top_ = 0;
    std::chrono::steady_clock::time_point startedAt_;
};

// Milliseconds of sleep, for letting the program react.
void pause(int milliseconds);

// Window pixel of a map point while the map view is at its home position
// (centre (450, 450), 1280 x 960 map units in the 640 x 480 window).
sf::Vector2i homeViewPixel(float mapX, float mapY);
// Window pixel of a point in the interface's 800 x 600 units.
sf::Vector2i interfacePixel(float x, float y);

// Pixels on the ring that a highlighted spot's outline covers at the home
// view (circle radius 15 pixels, outline 2.5 more), around its centre.
std::vector<sf::Vector2i> spotOutlinePixels(sf::Vector2i centre);
// Whether the shot shows that outline red all round the centre.
bool spotOutlined(const sf::Image& shot, sf::Vector2i centre);
// The window pixel of spot n's centre at the home view, from a spots file;
// (-1, -1) when the file has no such row.
sf::Vector2i spotCentreAtHome(const std::string& spotsFile, int n);
// Pixels just beside a road bar drawn between two spot centres at the home
// view (half the bar 5 pixels, outline 2.5 more), on both sides, at this
// share of the way (the middle by default).
std::vector<sf::Vector2i> roadOutlinePixels(sf::Vector2i from, sf::Vector2i to, float share = 0.5f);
// Whether the shot shows that outline blue on both sides at the middle, or,
// where a spot's name is drawn over the middle, at a third or two thirds.
bool roadOutlined(const sf::Image& shot, sf::Vector2i from, sf::Vector2i to);

// A script in the folder that starts a Windows exe under wine, for the
// harness to run from another folder than the exe's.
std::string wineStarter(const std::string& folder, const std::string& exe);

// The login screen with its texts drawn: cyan background, the white
// user-name box, and the black title (only there when the font was found).
bool isLoginScreenWithTitle(const sf::Image& shot);

// Each channel within the tolerance.
bool nearColour(sf::Color actual, sf::Color expected, int tolerance = 0);

// The window pixels of a screenshot, in an area, (nearly) of a colour.
int countPixels(const sf::Image& shot, sf::IntRect area, sf::Color colour, int tolerance = 0);
