#pragma once
#include <string>

// A users file of count records "user<i> pw<i>" separated by CR LF, with or
// without a line break after the last.
std::string numberedLines(int count, bool lineBreakAtEnd);
