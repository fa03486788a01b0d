#include "support/Program.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/RunTree.h"

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

Program::Program() : server_(std::make_unique<XvfbServer>()) { copyRunTree(dir_.path()); }

Program::~Program() {
    if (!running()) return;
    kill(pid_, SIGTERM);
    if (waitForExit(2000) == -1 && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::string Program::shell(const std::string& command) const {
    const std::string full = "DISPLAY=" + server_->display() + " " + command + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(full.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

bool Program::start() {
    if (server_->display().empty()) return false;
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(dir_.path().c_str()) != 0) _exit(126);
        setenv("DISPLAY", server_->display().c_str(), 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        execl(NAV_BINARY, NAV_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    // The window is 640x480; without a window manager it lands where the
    // library centres it, so its position is read from the X server.
    const std::regex geometry(R"(640x480\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))");
    for (int attempt = 0; attempt < 200 && running(); ++attempt) {
        std::smatch match;
        const std::string tree = shell("xwininfo -root -tree");
        if (std::regex_search(tree, match, geometry)) {
            left_ = std::stoi(match[1]);
            top_ = std::stoi(match[2]);
            pause(300);  // let the first frames draw
            return true;
        }
        pause(50);
    }
    return false;
}

void Program::xdotool(const std::string& arguments) const { shell("xdotool " + arguments); }

void Program::moveTo(int x, int y) const {
    xdotool("mousemove " + std::to_string(left_ + x) + " " + std::to_string(top_ + y));
}

void Program::clickAt(int x, int y) const {
    moveTo(x, y);
    pause(50);
    xdotool("click 1");
    pause(100);
}

sf::Image Program::screenshot() const {
    const std::string path = dir_.file("shot.png");
    shell("import -window root " + path);
    sf::Image image;
    image.loadFromFile(path);
    return image;
}

sf::Color Program::windowPixel(const sf::Image& shot, int x, int y) const {
    return shot.getPixel(static_cast<unsigned>(left_ + x), static_cast<unsigned>(top_ + y));
}

void Program::saveScreenshot(const std::string& name) const {
    const char* folder = std::getenv("NAV_SHOT_DIR");
    if (!folder) return;
    screenshot().saveToFile(std::string(folder) + "/" + name + ".png");
}

bool Program::running() {
    if (pid_ <= 0) return false;
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
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
