#include "rtl/Paths.h"

#include "platform/Files.h"
#include "rtl/Backslash.h"

namespace rtl {
namespace {

// Tested on the byte, not via the locale, so that "1:\" or an accented letter is no drive.
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A letter, a colon and a backslash, then anything.
bool IsDriveRooted(const std::string& path) {
    return path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

// Exactly a letter A to Z (either case), a colon and a backslash.
bool IsDriveRoot(const std::string& path) { return path.size() == 3 && IsDriveRooted(path); }

// \\server\share[\...]: two names that are not empty.
bool IsSharePath(const std::string& path) {
    if (path.compare(0, 2, "\\\\") != 0) return false;
    const size_t serverEnd = FindBackslash(path, 2);
    if (serverEnd == std::string::npos || serverEnd == 2) return false;
    const size_t shareEnd = FindBackslash(path, serverEnd + 1);
    return (shareEnd == std::string::npos ? path.size() : shareEnd) > serverEnd + 1;
}

}  // namespace

bool IsFullFolderPath(const std::string& path) { return IsDriveRooted(path) || IsSharePath(path); }

std::string StripTrailingBackslash(const std::string& path, unsigned codePage) {
    if (path.size() >= 2 && EndsWithBackslash(path, codePage) && !IsDriveRoot(path))
        return path.substr(0, path.size() - 1);
    return path;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    return IsDriveRoot(folder) ? folder + name : folder + "\\" + name;
}

std::string FolderPlus(const std::string& folder, const std::string& backslashPart) { return folder + backslashPart; }

std::string FolderOf(const std::string& path) { return StripTrailingBackslash(FolderPart(path)); }

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

}  // namespace rtl
