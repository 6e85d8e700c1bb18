#include "removal/SharedText.h"

#include "hosts/HostMessages.h"
#include "rtl/TextRules.h"

namespace removal {
namespace {

bool Same(const std::string& text, size_t from, size_t to, const std::string& part) {
    return rtl::SameText(text.substr(from, to - from), part);
}

// Where the line that begins at from ends, and where the next one begins.
struct LineSpan {
    size_t end, next;
};
LineSpan LineAt(const std::string& text, size_t from) {
    size_t end = from;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    size_t next = end;
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;  // LF, or CR LF
    return {end, next};
}

size_t FindLine(const std::string& text, const std::string& line, LineSpan* span) {
    for (size_t at = 0; at < text.size(); at = span->next) {
        *span = LineAt(text, at);
        if (Same(text, at, span->end, line)) return at;
    }
    return std::string::npos;
}

}  // namespace

bool RemoveLastEntry(std::string& list, const std::string& entry) {
    const size_t length = list.find('\0') == std::string::npos ? list.size() : list.find('\0');
    size_t found = std::string::npos, foundEnd = 0;
    for (size_t start = 0;;) {
        size_t end = list.find(hosts::msg::SearchPathSeparator, start);
        if (end == std::string::npos || end > length) end = length;
        if (Same(list, start, end, entry)) found = start, foundEnd = end;
        if (end >= length) break;
        start = end + 1;
    }
    if (found == std::string::npos) return false;
    if (found > 0)
        list.erase(found - 1, foundEnd - found + 1);
    else
        list.erase(0, foundEnd < length ? foundEnd + 1 : foundEnd);
    return true;
}

bool HasLine(const std::string& text, const std::string& line) {
    LineSpan span{};
    return FindLine(text, line, &span) != std::string::npos;
}

bool RemoveFirstLine(std::string& text, const std::string& line) {
    LineSpan span{};
    const size_t at = FindLine(text, line, &span);
    if (at == std::string::npos) return false;
    text.erase(at, span.next - at);
    return true;
}

}  // namespace removal
