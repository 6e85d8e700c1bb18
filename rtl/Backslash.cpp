#include "rtl/Backslash.h"

namespace rtl {

size_t FindBackslash(const std::string& s, size_t from, unsigned codePage) {
    for (size_t i = from; i < s.size(); i = platform::NextCharacter(s, i, codePage))
        if (s[i] == '\\') return i;
    return std::string::npos;
}

size_t LastBackslash(const std::string& s, unsigned codePage) {
    size_t last = std::string::npos;
    for (size_t at = FindBackslash(s, 0, codePage); at != std::string::npos; at = FindBackslash(s, at + 1, codePage))
        last = at;
    return last;
}

bool IsBackslashAt(const std::string& s, size_t i, unsigned codePage) {
    size_t at = 0;
    while (at < i) at = platform::NextCharacter(s, at, codePage);
    return at == i && i < s.size() && s[i] == '\\';
}

bool EndsWithBackslash(const std::string& s, unsigned codePage) {
    return !s.empty() && IsBackslashAt(s, s.size() - 1, codePage);
}

std::string FolderPart(const std::string& path, unsigned codePage) {
    return path.substr(0, LastBackslash(path, codePage) + 1);  // npos + 1 == 0: no folder
}

}  // namespace rtl
