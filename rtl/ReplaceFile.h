#pragma once
// Writing a file all or nothing: the new content goes to a file beside it, which then takes the
// target's place in one step. On any failure the target stays as it was and the temporary goes.
#include <functional>
#include <memory>
#include <string>

#include "rtl/Streams.h"

namespace rtl {

// The new content of target, in a file of its own beside it until Commit puts it in the
// target's place. Its name is target's with ".kvnew" (and a number when that is taken) added, a
// name that no file holds when it is created, so no file of the folder is ever overwritten by
// it. Destroyed without Commit, it is closed and deleted.
class TPendingFile {
public:
    // EFCreateError "Cannot create file %s" naming target, the file the user knows.
    explicit TPendingFile(const std::string& target);
    ~TPendingFile();  // not copied: it owns the open file

    // Open until Close or Commit.
    TFileStream& Stream() { return *file_; }
    const std::string& Path() const { return path_; }
    void Close() { file_.reset(); }
    // Closes the file and puts it in the target's place; a target that cannot be replaced (in use,
    // read-only) raises EFCreateError naming the target, and the target stays as it was.
    void Commit();

private:
    std::string target_;
    std::string path_;
    std::unique_ptr<TFileStream> file_;
    bool committed_ = false;
};

// write fills the stream; what it raises passes on. A read-only target is refused with
// EFCreateError "Cannot create file %s" naming it, whatever the file system would allow.
// finish, when given, works on the closed temporary (named by its path) before it takes the
// target's place; what it raises also leaves the target as it was.
void ReplaceFileContents(const std::string& path, const std::function<void(TStream&)>& write,
                         const std::function<void(const std::string& pendingPath)>& finish = {});
// The same with the bytes to write.
void ReplaceFileBytes(const std::string& path, const void* data, size_t size);
inline void ReplaceFileBytes(const std::string& path, const std::string& bytes) {
    ReplaceFileBytes(path, bytes.data(), bytes.size());
}

}  // namespace rtl
