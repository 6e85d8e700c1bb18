// Text operations for builds without Windows (the native sanitizer and fuzzing build). They
// treat text as ASCII: only A-Z and a-z are folded, every other byte compares by its value.
// That is what the pure logic needs off Windows; the Win32 version follows the ANSI code page.
// Every byte is a character of its own, and converting between code pages keeps the bytes.
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

size_t NextCharacter(const std::string& s, size_t i, unsigned) { return i < s.size() ? i + 1 : s.size(); }

std::wstring ToWide(const std::string& s, unsigned) { return std::wstring(s.begin(), s.end()); }

std::string ConvertCodePage(const std::string& s, unsigned, unsigned) { return s; }

unsigned AnsiCodePageNumber() { return 20127; }  // US-ASCII

}  // namespace platform
