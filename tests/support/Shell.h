#pragma once
#include <string>

// Text quoted for the shell: in single quotes, any single quote inside
// written as '\''.
std::string shellQuoted(const std::string& text);

// What a shell command printed (standard output and standard error
// together) and its exit status (-1 when it could not be run).
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string& command);
