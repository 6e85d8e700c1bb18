#pragma once
// Files and folders. No <windows.h> here: callers that hold pure logic include this header only.
// Flag values are those of Win32.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/MappedBytes.h"

namespace platform {

using Handle = void*;
inline Handle const InvalidHandle = reinterpret_cast<Handle>(static_cast<intptr_t>(-1));

namespace access { enum : uint32_t { Read = 0x80000000u, Write = 0x40000000u }; }
namespace share { enum : uint32_t { None = 0, Read = 1, Write = 2 }; }
namespace disposition { enum : uint32_t { CreateAlways = 2, OpenExisting = 3 }; }
namespace attr {
enum : uint32_t {
    ReadOnly = 0x1, Hidden = 0x2, System = 0x4, VolumeLabel = 0x8, Directory = 0x10,
    Archive = 0x20, Normal = 0x80, Invalid = 0xFFFFFFFFu
};
}
enum class SeekOrigin { Begin = 0, Current = 1, End = 2 };

struct FindData {
    std::string name;
    uint32_t attributes = 0;
    uint64_t size = 0;
    uint64_t lastWrite = 0;  // FILETIME, in 100 ns units since 1601 (UTC)
};

struct FileApi {
    // CreateFileA; InvalidHandle on failure.
    std::function<Handle(const std::string& path, uint32_t access, uint32_t share, uint32_t disposition,
                         uint32_t attributes)> createFile;
    // ReadFile / WriteFile; false on failure, the count done in *done.
    std::function<bool(Handle, void* buffer, uint32_t count, uint32_t* done)> readFile;
    std::function<bool(Handle, const void* buffer, uint32_t count, uint32_t* done)> writeFile;
    // SetFilePointer with a 64-bit distance; -1 on failure.
    std::function<int64_t(Handle, int64_t distance, SeekOrigin)> seek;
    std::function<bool(Handle)> closeHandle;
    // GetFileTime + FileTimeToLocalFileTime + FileTimeToDosDateTime: the last-write time as a
    // packed DOS date (high word) and time (low word) of local time.
    std::function<bool(Handle, uint32_t* dosDateTime)> getLastWriteDosTime;
    // DosDateTimeToFileTime + LocalFileTimeToFileTime + SetFileTime (last-write time only).
    std::function<bool(Handle, uint32_t dosDateTime)> setLastWriteDosTime;
    // CreateFileA (others may read) + CreateFileMappingA + MapViewOfFile: the whole file, read only;
    // false when it cannot be opened or mapped. An empty file gives no bytes.
    std::function<bool(const std::string& path, MappedBytes* mapped)> mapFile;
    std::function<bool(const std::string& path)> deleteFile;
    std::function<bool(const std::string& path)> createDirectory;
    std::function<bool(const std::string& path)> removeDirectory;
    std::function<bool(const std::string& from, const std::string& to, bool failIfExists)> copyFile;
    // MoveFileExA with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: puts a fully written
    // file in the place of another in one step, so the target is never seen half written.
    std::function<bool(const std::string& from, const std::string& to)> replaceFile;
    std::function<uint32_t(const std::string& path)> getAttributes;  // attr::Invalid on failure
    std::function<bool(const std::string& path, uint32_t attributes)> setAttributes;
    // FindFirstFileA / FindNextFileA / FindClose.
    std::function<Handle(const std::string& pattern, FindData* found)> findFirst;
    std::function<bool(Handle, FindData* found)> findNext;
    std::function<bool(Handle)> findClose;
    std::function<bool(const std::string& path)> setCurrentDirectory;
    std::function<std::string()> getCurrentDirectory;
    std::function<std::string()> getSystemDirectory;  // GetSystemDirectoryA into 1024 characters
    // SHGetFolderPathA(CSIDL_PROGRAM_FILES): the Program Files folder as this process sees it
    // (C:\Program Files (x86) for a 32-bit program on 64-bit Windows); empty when unknown.
    std::function<std::string()> getProgramFilesFolder;
    // GetTempPathA: the temporary folder of the process's user, with its trailing backslash.
    std::function<std::string()> getTempFolder;
    // MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT): the file, or an empty folder, goes
    // at the next start of Windows, in the order asked. Needs administrator rights.
    std::function<bool(const std::string& path)> deleteAtRestart;
    std::function<std::string()> getModuleFileName;   // the running executable's full path
    // GetShortPathNameA: the path by the short 8.3 names of its components, which use only the
    // OEM code page's letters; empty when the path does not exist or cannot be shortened.
    std::function<std::string(const std::string& path)> getShortPathName;
};

FileApi& Files();

// Owns a file handle and closes it through the platform when it goes.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(Handle h) : h_(h) {}
    ~FileHandle() { Reset(); }
    FileHandle(FileHandle&& o) noexcept : h_(o.Release()) {}
    FileHandle& operator=(FileHandle&& o) noexcept {
        if (this != &o) { Reset(); h_ = o.Release(); }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    Handle Get() const { return h_; }
    bool Valid() const { return h_ != InvalidHandle && h_ != nullptr; }
    Handle Release() { Handle h = h_; h_ = InvalidHandle; return h; }
    void Reset() { if (Valid()) Files().closeHandle(h_); h_ = InvalidHandle; }

private:
    Handle h_ = InvalidHandle;
};

}  // namespace platform
