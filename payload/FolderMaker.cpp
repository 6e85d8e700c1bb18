#include "payload/FolderMaker.h"

#include <vector>

#include "platform/Files.h"

namespace payload {

namespace {

bool FolderExists(const std::string& path) {
    uint32_t a = platform::Files().getAttributes(path);
    return a != platform::attr::Invalid && (a & platform::attr::Directory);
}

// The folder part of a path, up to and with its last backslash.
std::string FilePath(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

}  // namespace

void FolderMaker::Force(std::string folder) {
    std::vector<std::string> missing;  // deepest first; a loop, as a name can hold many levels
    for (;;) {
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        if (folder.size() < 3 || present_.count(folder) || FilePath(folder) == folder) break;
        if (FolderExists(folder)) {
            present_.insert(folder);
            break;
        }
        missing.push_back(folder);
        folder = FilePath(folder);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (platform::Files().createDirectory(*it)) present_.insert(*it);
}

}  // namespace payload
