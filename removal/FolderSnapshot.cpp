#include "removal/FolderSnapshot.h"

#include "platform/Files.h"
#include "rtl/Paths.h"

namespace removal {
namespace {

// A folder listing, closed when it goes.
struct Listing {
    platform::Handle handle;
    ~Listing() { if (Valid()) platform::Files().findClose(handle); }
    bool Valid() const { return handle != platform::InvalidHandle && handle != nullptr; }
};

void Walk(const std::string& folder, bool deep, FolderSnapshot& files) {
    auto& api = platform::Files();
    platform::FindData found;
    const Listing listing{api.findFirst(rtl::PathInFolder(folder, "*"), &found)};
    if (!listing.Valid()) return;
    std::vector<std::string> subfolders;
    do {
        if (found.name == "." || found.name == "..") continue;
        const std::string path = rtl::PathInFolder(folder, found.name);
        if (found.attributes & platform::attr::Directory) {
            if (deep) subfolders.push_back(path);
        } else {
            files[path] = {found.size, found.lastWrite};
        }
    } while (api.findNext(listing.handle, &found));
    for (const std::string& subfolder : subfolders) Walk(subfolder, deep, files);
}

}  // namespace

FolderSnapshot SnapshotFiles(const std::string& folder, bool deep) {
    FolderSnapshot files;
    Walk(folder, deep, files);
    return files;
}

std::vector<std::string> WrittenSince(const FolderSnapshot& before, const FolderSnapshot& after) {
    std::vector<std::string> written;
    for (const auto& [path, stamp] : after) {
        const auto earlier = before.find(path);
        if (earlier == before.end() || earlier->second != stamp) written.push_back(path);
    }
    return written;
}

}  // namespace removal
