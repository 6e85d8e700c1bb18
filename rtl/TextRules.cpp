#include "rtl/TextRules.h"

#include <algorithm>

#include "platform/Text.h"

namespace rtl {

int CompareText(const std::string& a, const std::string& b) { return platform::CompareTextIgnoreCase(a, b); }

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

std::string LowerText(const std::string& s) { return platform::LowerCase(s); }

bool StartsWithText(const std::string& s, const std::string& prefix) {
    return LowerText(s).compare(0, prefix.size(), LowerText(prefix)) == 0;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return UpperAscii(c); });
    return s;
}

bool SameAsciiName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

}  // namespace rtl
