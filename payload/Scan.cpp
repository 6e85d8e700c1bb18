// Packing side of the file collection: reading a folder tree from disk into the items.
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streams.h"

namespace payload {
namespace {

// Size is a 32-bit field: a longer file cannot be stored, so packing refuses it by name.
constexpr char SFileTooLarge[] = "Cannot pack file %s: files of 2 GB or more do not fit the payload";

// One folder listing; closed when it goes, also when reading an entry fails.
class FolderListing {
public:
    explicit FolderListing(const std::string& pattern)
        : handle_(platform::Files().findFirst(pattern, &entry_)) {}
    ~FolderListing() {
        if (Valid()) platform::Files().findClose(handle_);
    }
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool Valid() const { return handle_ != platform::InvalidHandle && handle_ != nullptr; }
    const platform::FindData& Entry() const { return entry_; }
    bool Next() { return platform::Files().findNext(handle_, &entry_); }

private:
    platform::FindData entry_;
    platform::Handle handle_;
};

bool IsSelfOrParent(const std::string& name) { return name == "." || name == ".."; }

platform::FileHandle OpenForPacking(const std::string& path) {
    using namespace platform;
    // Shared with nobody: a file that another program holds open is reported, not half read.
    FileHandle file(Files().createFile(path, access::Read, share::None, disposition::OpenExisting, attr::Normal));
    if (!file.Valid()) throw rtl::EFOpenError(rtl::Format(rtl::consts::SFOpenError, path));
    return file;
}

}  // namespace

void TFileHolder::ReadFromDisk(const std::string& rootFolder, const std::string& relativeName) {
    const std::string path = rootFolder + relativeName;
    rtl::THandleStream file(OpenForPacking(path));
    Name = relativeName;

    uint32_t dosTime = 0;
    Age = platform::Files().getLastWriteDosTime(file.Handle(), &dosTime) ? static_cast<int32_t>(dosTime) : -1;
    // Taken as they come: an unreadable attribute set is stored as -1.
    Attr = static_cast<int32_t>(platform::Files().getAttributes(path));

    const int64_t length = file.Seek(0, rtl::SeekOrigin::End);
    if (length < 0) throw rtl::EReadError(rtl::consts::SReadError);
    if (length > std::numeric_limits<int32_t>::max()) throw rtl::EReadError(rtl::Format(SFileTooLarge, path));
    Size = static_cast<int32_t>(length);

    std::vector<uint8_t> content(static_cast<size_t>(Size));
    file.SetPosition(0);
    file.ReadBuffer(content.data(), Size);
    Content = std::move(content);
}

void TFileCollection::ScanRootFolder() {
    Clear();
    // Breadth first: all files of a folder before those of its subfolders, level by level.
    std::deque<std::string> folders{std::string()};
    while (!folders.empty()) {
        const std::string folder = folders.front();
        folders.pop_front();

        FolderListing listing(RootFolder + folder + "\\*.*");
        if (!listing.Valid()) continue;  // a missing folder holds nothing
        do {
            const platform::FindData& entry = listing.Entry();
            if ((entry.attributes & platform::attr::VolumeLabel) != 0 || IsSelfOrParent(entry.name)) continue;
            const std::string relativeName = folder + "\\" + entry.name;
            if ((entry.attributes & platform::attr::Directory) != 0)
                folders.push_back(relativeName);
            else
                Add().ReadFromDisk(RootFolder, relativeName);
        } while (listing.Next());
    }
}

}  // namespace payload
