#pragma once
// Locale-aware text operations of the system's ANSI code page. Pure logic reaches them through
// these declarations only; a build without Windows links a portable version instead.
#include <string>

namespace platform {

// CompareStringA with LOCALE_USER_DEFAULT and NORM_IGNORECASE: <0, 0 or >0.
int CompareTextIgnoreCase(const std::string& a, const std::string& b);
// CharLowerBuffA: the system's ANSI lower-casing; keeps the length.
std::string LowerCase(const std::string& s);

}  // namespace platform
