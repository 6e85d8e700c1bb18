#include "rtl/ReplaceFile.h"

#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Int32Size.h"

namespace rtl {
namespace {

constexpr char PendingSuffix[] = ".kvnew";

[[noreturn]] void CannotCreate(const std::string& target) { throw EFCreateError(Format(consts::SFCreateError, target)); }

// target.kvnew, else target.kvnew2, target.kvnew3 ...: the first that names nothing on disk.
std::string FreePendingName(const std::string& target) {
    const std::string base = target + PendingSuffix;
    std::string name = base;
    for (unsigned n = 2; platform::Files().getAttributes(name) != platform::attr::Invalid; ++n)
        name = base + std::to_string(n);
    return name;
}

}  // namespace

TPendingFile::TPendingFile(const std::string& target) : target_(target), path_(FreePendingName(target)) {
    try {
        file_ = std::make_unique<TFileStream>(path_, FileMode::Create);
    } catch (const EFCreateError&) {
        CannotCreate(target_);
    }
}

TPendingFile::~TPendingFile() {
    if (committed_) return;
    file_.reset();
    platform::Files().deleteFile(path_);
}

void TPendingFile::Commit() {
    file_.reset();  // closed before it takes the target's place
    if (!platform::Files().replaceFile(path_, target_)) CannotCreate(target_);
    committed_ = true;
}

void ReplaceFileContents(const std::string& path, const std::function<void(TStream&)>& write,
                         const std::function<void(const std::string& pendingPath)>& finish) {
    // A read-only file is not to be replaced, whatever the file system would allow.
    const uint32_t attributes = platform::Files().getAttributes(path);
    if (attributes != platform::attr::Invalid && (attributes & platform::attr::ReadOnly)) CannotCreate(path);
    TPendingFile pending(path);
    write(pending.Stream());
    pending.Close();
    if (finish) finish(pending.Path());
    pending.Commit();
}

void ReplaceFileBytes(const std::string& path, const void* data, size_t size) {
    ReplaceFileContents(path, [data, size](TStream& file) { file.WriteBuffer(data, Int32Size(size)); });
}

}  // namespace rtl
