#pragma once
// Writing a file all or nothing: the new content goes to a file beside it, which then takes the
// target's place in one step. On any failure the target stays as it was and the temporary goes.
#include <functional>
#include <string>

#include "rtl/Streams.h"

namespace rtl {

// write fills the stream; what it raises passes on. A temporary that cannot be created, or a
// target that cannot be replaced (read-only, in use), raises EFCreateError "Cannot create file %s"
// naming the target, which is the file the user knows.
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
