// Text operations for builds without Windows (the native sanitizer and fuzzing build). They
// treat text as ASCII: only A-Z and a-z are folded, every other byte compares by its value.
// That is what the pure logic needs off Windows; the Win32 version follows the ANSI code page.
#include <algorithm>

#include "platform/Text.h"

namespace platform {

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

int CompareTextIgnoreCase(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(LowerAscii(a[i]));
        auto y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string LowerCase(const std::string& s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
    return out;
}

}  // namespace platform
