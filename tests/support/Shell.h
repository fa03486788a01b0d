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
// The command as given: what it wrote to standard output, and its status.
CommandResult runShell(const std::string& command);
// The command with its standard error joined to its standard output.
CommandResult runCommand(const std::string& command);
