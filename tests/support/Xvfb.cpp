#include "support/Xvfb.h"

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

XvfbServer::XvfbServer(bool endWithLastClient, const std::string& screen) : endWithLastClient_(endWithLastClient) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        // Without -terminate, -noreset: the server would otherwise reset
        // whenever its last client leaves and refuse connections meanwhile,
        // so a window lookup that ends before the program has connected
        // would make the program fail to open the display.
        const char* lifetime = endWithLastClient ? "-terminate" : "-noreset";
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", lifetime,
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The server writes its display number followed by a line break once it
    // accepts connections.
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c;
    while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0 || endWithLastClient_) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
