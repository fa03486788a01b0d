#pragma once
#include <string>
#include <sys/types.h>

// A private X server for one test process, so tests never share a screen
// and can run in parallel. The display is chosen by the server itself.
class XvfbServer {
public:
    // With endWithLastClient the server ends by itself when its last client
    // disconnects, and the destructor leaves it running until then: a test
    // process whose graphics library closes its display only at exit uses it.
    explicit XvfbServer(bool endWithLastClient = false, const std::string& screen = "1024x768x24");
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    bool endWithLastClient_ = false;
    std::string display_;
};
