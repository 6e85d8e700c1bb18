#include "payload/FolderMaker.h"

#include <vector>

#include "platform/Files.h"
#include "rtl/Backslash.h"
#include "rtl/Paths.h"

namespace payload {

void FolderMaker::Force(std::string folder) {
    std::vector<std::string> missing;  // deepest first; a loop, as a name can hold many levels
    for (;;) {
        if (rtl::EndsWithBackslash(folder)) folder.pop_back();
        if (folder.size() < 3 || present_.count(folder) || rtl::FolderPart(folder) == folder) break;
        if (rtl::FolderExists(folder)) {
            present_.insert(folder);
            break;
        }
        missing.push_back(folder);
        folder = rtl::FolderPart(folder);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (platform::Files().createDirectory(*it)) present_.insert(*it);
}

}  // namespace payload
