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

size_t NextCharacter(const std::string& s, size_t i, unsigned codePage) {
    if (i >= s.size()) return s.size();
    const char* at = s.c_str() + i;
    const char* next = CharNextExA(static_cast<WORD>(codePage), at, 0);
    return next > at ? static_cast<size_t>(next - s.c_str()) : i + 1;  // a NUL inside the string is a character
}

std::wstring ToWide(const std::string& s, unsigned codePage) {
    if (s.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), wide.data(), length);
    return wide;
}

std::string ConvertCodePage(const std::string& s, unsigned from, unsigned to) {
    const std::wstring wide = ToWide(s, from);
    if (wide.empty()) return {};
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return out;
}

unsigned AnsiCodePageNumber() { return GetACP(); }

}  // namespace platform
