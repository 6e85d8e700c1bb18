#include "rtl/ReplaceFile.h"

#include <memory>

#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace rtl {
namespace {

constexpr char PendingSuffix[] = ".kvnew";

// A file that is removed again unless it was put in its place.
class PendingFile {
public:
    explicit PendingFile(std::string path) : path_(std::move(path)) {}
    ~PendingFile() { if (!committed_) platform::Files().deleteFile(path_); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    const std::string& Path() const { return path_; }
    void Commit() { committed_ = true; }

private:
    std::string path_;
    bool committed_ = false;
};

}  // namespace

void ReplaceFileContents(const std::string& path, const std::function<void(TStream&)>& write,
                         const std::function<void(const std::string& pendingPath)>& finish) {
    // A read-only file is not to be replaced, whatever the file system would allow.
    const uint32_t attributes = platform::Files().getAttributes(path);
    if (attributes != platform::attr::Invalid && (attributes & platform::attr::ReadOnly))
        throw EFCreateError(Format(consts::SFCreateError, path));
    PendingFile pending(path + PendingSuffix);
    {
        std::unique_ptr<TFileStream> file;
        try {
            file = std::make_unique<TFileStream>(pending.Path(), FileMode::Create);
        } catch (const EFCreateError&) {
            throw EFCreateError(Format(consts::SFCreateError, path));
        }
        write(*file);
    }  // closed before it takes the target's place
    if (finish) finish(pending.Path());
    if (!platform::Files().replaceFile(pending.Path(), path))
        throw EFCreateError(Format(consts::SFCreateError, path));
    pending.Commit();
}

void ReplaceFileBytes(const std::string& path, const void* data, size_t size) {
    ReplaceFileContents(path, [data, size](TStream& file) { file.WriteBuffer(data, static_cast<int32_t>(size)); });
}

}  // namespace rtl
