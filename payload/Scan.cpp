// Packing side of the file collection: reading a folder tree from disk into the items.
#include <cstdint>
#include <deque>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "payload/PayloadConsts.h"
#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streams.h"

namespace payload {
namespace {

using payload::consts::SFileTooLarge;
using payload::consts::SPackOutOfMemory;
using payload::consts::SPayloadTooLarge;

// What the files of one scan will take in the stream, counted before each file's content is
// read, so that a tree too large for one payload is refused by name without reading it whole.
class PayloadBudget {
public:
    // Refuses the file when with it the payload would pass the most that one payload holds.
    void Take(const std::string& path, const std::string& name, int64_t size) {
        const int64_t bytes = size + static_cast<int64_t>(name.size()) + ItemOverhead;
        if (bytes > Limit - used_) throw rtl::EReadError(rtl::Format(SPayloadTooLarge, path, size));
        used_ += bytes;
    }
    // The contents read so far, which stay in memory.
    void Read(int64_t size) { held_ += size; }
    int64_t Held() const { return held_; }

private:
    static constexpr int64_t Limit = std::numeric_limits<int32_t>::max();
    // More than an item's tags, property names and lengths take, and than the stream's own
    // signature, names and end markers.
    static constexpr int64_t ItemOverhead = 64;
    int64_t used_ = ItemOverhead;
    int64_t held_ = 0;
};

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

// ReadFromDisk, with the payload that earlier files of the scan take.
void ReadItem(TFileHolder& item, const std::string& rootFolder, const std::string& relativeName, PayloadBudget& budget) {
    const std::string path = rootFolder + relativeName;
    rtl::THandleStream file(OpenForPacking(path));
    item.Name = relativeName;

    uint32_t dosTime = 0;
    item.Age = platform::Files().getLastWriteDosTime(file.Handle(), &dosTime) ? static_cast<int32_t>(dosTime) : -1;
    // Taken as they come: an unreadable attribute set is stored as -1.
    item.Attr = static_cast<int32_t>(platform::Files().getAttributes(path));

    const int64_t length = file.Seek(0, rtl::SeekOrigin::End);
    if (length < 0) throw rtl::EReadError(rtl::consts::SReadError);
    if (length > std::numeric_limits<int32_t>::max()) throw rtl::EReadError(rtl::Format(SFileTooLarge, path));
    budget.Take(path, relativeName, length);
    item.Size = static_cast<int32_t>(length);

    std::vector<uint8_t> content;
    try {
        content.resize(static_cast<size_t>(item.Size));
    } catch (const std::bad_alloc&) {
        throw rtl::EReadError(rtl::Format(SPackOutOfMemory, path, length, budget.Held()));
    }
    file.SetPosition(0);
    file.ReadBuffer(content.data(), item.Size);
    item.Content = std::move(content);
    budget.Read(length);
}

}  // namespace

void TFileHolder::ReadFromDisk(const std::string& rootFolder, const std::string& relativeName) {
    PayloadBudget budget;
    ReadItem(*this, rootFolder, relativeName, budget);
}

void TFileCollection::ScanRootFolder() {
    Clear();
    // Breadth first: all files of a folder before those of its subfolders, level by level.
    std::deque<std::string> folders{std::string()};
    PayloadBudget budget;
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
                ReadItem(Add(), RootFolder, relativeName, budget);
        } while (listing.Next());
    }
}

}  // namespace payload
