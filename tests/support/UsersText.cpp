#include "support/UsersText.h"

std::string numberedLines(int count, bool lineBreakAtEnd) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += "\r\n";
        text += "user" + std::to_string(i) + " pw" + std::to_string(i);
    }
    if (lineBreakAtEnd) text += "\r\n";
    return text;
}
