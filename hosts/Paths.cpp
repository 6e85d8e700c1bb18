#include "hosts/Paths.h"

#include "platform/Files.h"

namespace hosts {
namespace {

// Exactly a letter A to Z (either case), a colon and a backslash. Tested on the byte, not via the
// locale, so that "1:\" or an accented letter is no drive root.
bool IsDriveRoot(const std::string& path) {
    if (path.size() != 3 || path[1] != ':' || path[2] != '\\') return false;
    const char c = path[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string StripTrailingBackslash(const std::string& path) {
    if (path.size() >= 2 && path.back() == '\\' && !IsDriveRoot(path)) return path.substr(0, path.size() - 1);
    return path;
}

bool FolderExists(const std::string& path) {
    if (path.empty()) return false;
    const uint32_t attributes = platform::Files().getAttributes(path);
    return attributes != platform::attr::Invalid && (attributes & platform::attr::Directory) != 0;
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    const uint32_t attributes = platform::Files().getAttributes(path);
    return attributes != platform::attr::Invalid && (attributes & platform::attr::Directory) == 0;
}

}  // namespace hosts
