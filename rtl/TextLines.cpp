#include "rtl/TextLines.h"

namespace rtl {

std::vector<std::string> SplitLines(const char* text, size_t length) {
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < length && text[i] != '\0') {
        size_t start = i;
        while (i < length && text[i] != '\0' && text[i] != '\r' && text[i] != '\n') ++i;
        lines.emplace_back(text + start, i - start);
        if (i < length && text[i] == '\r') {
            ++i;
            if (i < length && text[i] == '\n') ++i;
        } else if (i < length && text[i] == '\n') {
            ++i;
        }
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace rtl
