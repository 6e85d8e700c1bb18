#pragma once
// printf-style formatting with %s and %d only. Arguments are converted to text first, so a
// template that asks for more arguments than it was given cannot read past them.
#include <cstdint>
#include <string>
#include <vector>

namespace rtl {

std::string FormatList(const std::string& format, const std::vector<std::string>& args);

inline std::string FormatArg(const std::string& s) { return s; }
inline std::string FormatArg(const char* s) { return s ? s : ""; }
inline std::string FormatArg(int64_t v) { return std::to_string(v); }
inline std::string FormatArg(int32_t v) { return std::to_string(v); }
inline std::string FormatArg(uint32_t v) { return std::to_string(v); }

template <class... Args>
std::string Format(const std::string& format, const Args&... args) {
    return FormatList(format, std::vector<std::string>{FormatArg(args)...});
}

}  // namespace rtl
