#include <windows.h>

#include <vector>

#include "platform/Text.h"

namespace platform {

int CompareTextIgnoreCase(const std::string& a, const std::string& b) {
    int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                           static_cast<int>(b.size()));
    return r - CSTR_EQUAL;  // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3
}

std::string LowerCase(const std::string& s) {
    std::vector<char> buf(s.begin(), s.end());
    if (!buf.empty()) CharLowerBuffA(buf.data(), static_cast<DWORD>(buf.size()));
    return std::string(buf.begin(), buf.end());
}

}  // namespace platform
