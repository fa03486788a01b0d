#pragma once
// Drives the real program binary for end-to-end tests: its own X server, its
// own working directory with a copy of the run-time tree, xdotool for input
// and screenshots for what the user sees.
#include <SFML/Graphics/Image.hpp>
#include <map>
#include <memory>
#include <string>
#include <sys/types.h>

#include "support/TempDir.h"
#include "support/Xvfb.h"

class Program {
public:
    // Prepares the working directory; call start() to run the binary.
    Program();
    ~Program();

    const std::string& workDir() const { return dir_.path(); }
    std::string file(const std::string& relative) const { return dir_.file(relative); }

    // Starts the binary and waits for its window; false when none appears.
    bool start();

    // Window position on the X screen (there is no window manager).
    int left() const { return left_; }
    int top() const { return top_; }

    // Runs xdotool with the given arguments on the program's display.
    void xdotool(const std::string& arguments) const;
    // Moves to a window pixel and clicks the left button.
    void clickAt(int x, int y) const;
    void moveTo(int x, int y) const;

    // A screenshot of the whole X screen, and a pixel of the window.
    sf::Image screenshot() const;
    sf::Color windowPixel(const sf::Image& shot, int x, int y) const;
    void saveScreenshot(const std::string& name) const;

    // Waits for the process to end; its exit status, or -1 on time-out.
    int waitForExit(int milliseconds);
    bool running();

    std::string standardOutput() const;

private:
    std::string shell(const std::string& command) const;

    TempDir dir_;
    std::unique_ptr<XvfbServer> server_;
    pid_t pid_ = -1;
    int exitStatus_ = -1;
    int left_ = 0;
    int top_ = 0;
};

// Milliseconds of sleep, for letting the program react.
void pause(int milliseconds);
