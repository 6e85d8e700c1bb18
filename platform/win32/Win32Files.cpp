#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <memory>

#include "platform/Files.h"

namespace platform {
namespace {

// Closes a kernel handle when it goes, also on the way out of a failure.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE h) : h_(h) {}
    ~OwnedHandle() { if (Valid()) CloseHandle(h_); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// The view stays valid after the file and mapping handles are closed; it goes with its last holder.
bool MapWholeFile(const std::string& path, MappedBytes* mapped) {
    OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size)) return false;
    if (static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) return false;
    *mapped = MappedBytes();
    if (size.QuadPart == 0) return true;  // an empty file cannot be mapped, and holds nothing
    OwnedHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping.Valid()) return false;
    const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
    if (!view) return false;
    mapped->data = std::shared_ptr<const uint8_t>(static_cast<const uint8_t*>(view),
                                                  [](const uint8_t* p) { UnmapViewOfFile(p); });
    mapped->size = static_cast<size_t>(size.QuadPart);
    return true;
}

uint64_t Join(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

FindData Found(const WIN32_FIND_DATAA& fd) {
    FindData found;
    found.name = fd.cFileName;
    found.attributes = fd.dwFileAttributes;
    found.size = Join(fd.nFileSizeHigh, fd.nFileSizeLow);
    found.lastWrite = Join(fd.ftLastWriteTime.dwHighDateTime, fd.ftLastWriteTime.dwLowDateTime);
    return found;
}

FileApi MakeWin32Files() {
    FileApi api;
    api.createFile = [](const std::string& path, uint32_t acc, uint32_t shr, uint32_t disp, uint32_t attrs) -> Handle {
        return CreateFileA(path.c_str(), acc, shr, nullptr, disp, attrs, nullptr);
    };
    api.readFile = [](Handle h, void* buf, uint32_t count, uint32_t* done) {
        DWORD n = 0;
        BOOL ok = ReadFile(h, buf, count, &n, nullptr);
        *done = n;
        return ok != FALSE;
    };
    api.writeFile = [](Handle h, const void* buf, uint32_t count, uint32_t* done) {
        DWORD n = 0;
        BOOL ok = WriteFile(h, buf, count, &n, nullptr);
        *done = n;
        return ok != FALSE;
    };
    api.seek = [](Handle h, int64_t distance, SeekOrigin origin) -> int64_t {
        LARGE_INTEGER d, pos;
        d.QuadPart = distance;
        if (!SetFilePointerEx(h, d, &pos, static_cast<DWORD>(origin))) return -1;
        return pos.QuadPart;
    };
    api.closeHandle = [](Handle h) { return CloseHandle(h) != FALSE; };
    api.getLastWriteDosTime = [](Handle h, uint32_t* dos) {
        FILETIME write, local;
        WORD date = 0, time = 0;
        if (!GetFileTime(h, nullptr, nullptr, &write)) return false;
        if (!FileTimeToLocalFileTime(&write, &local)) return false;
        if (!FileTimeToDosDateTime(&local, &date, &time)) return false;
        *dos = (static_cast<uint32_t>(date) << 16) | time;
        return true;
    };
    api.setLastWriteDosTime = [](Handle h, uint32_t dos) {
        FILETIME local, universal;
        if (!DosDateTimeToFileTime(static_cast<WORD>(dos >> 16), static_cast<WORD>(dos & 0xFFFF), &local))
            return false;
        if (!LocalFileTimeToFileTime(&local, &universal)) return false;
        return SetFileTime(h, nullptr, nullptr, &universal) != FALSE;
    };
    api.mapFile = MapWholeFile;
    api.deleteFile = [](const std::string& p) { return DeleteFileA(p.c_str()) != FALSE; };
    api.createDirectory = [](const std::string& p) { return CreateDirectoryA(p.c_str(), nullptr) != FALSE; };
    api.removeDirectory = [](const std::string& p) { return RemoveDirectoryA(p.c_str()) != FALSE; };
    api.copyFile = [](const std::string& from, const std::string& to, bool failIfExists) {
        return CopyFileA(from.c_str(), to.c_str(), failIfExists) != FALSE;
    };
    api.replaceFile = [](const std::string& from, const std::string& to) {
        return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    };
    api.getAttributes = [](const std::string& p) -> uint32_t { return GetFileAttributesA(p.c_str()); };
    api.setAttributes = [](const std::string& p, uint32_t a) { return SetFileAttributesA(p.c_str(), a) != FALSE; };
    api.findFirst = [](const std::string& pattern, FindData* found) -> Handle {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) *found = Found(fd);
        return h;
    };
    api.findNext = [](Handle h, FindData* found) {
        WIN32_FIND_DATAA fd;
        if (!FindNextFileA(h, &fd)) return false;
        *found = Found(fd);
        return true;
    };
    api.findClose = [](Handle h) { return FindClose(h) != FALSE; };
    api.setCurrentDirectory = [](const std::string& p) { return SetCurrentDirectoryA(p.c_str()) != FALSE; };
    api.getCurrentDirectory = []() {
        char buf[MAX_PATH * 4];
        DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
        return std::string(buf, n < sizeof buf ? n : 0);
    };
    api.getSystemDirectory = []() {
        char buf[1024];
        UINT n = GetSystemDirectoryA(buf, sizeof buf);
        return std::string(buf, n < sizeof buf ? n : 0);
    };
    api.getProgramFilesFolder = []() {
        char buf[MAX_PATH];
        if (SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, buf) != S_OK) return std::string();
        return std::string(buf);
    };
    api.getTempFolder = []() {
        char buf[MAX_PATH + 1];
        DWORD n = GetTempPathA(sizeof buf, buf);
        return std::string(buf, n < sizeof buf ? n : 0);
    };
    api.deleteAtRestart = [](const std::string& path) {
        return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    };
    api.getShortPathName = [](const std::string& path) {
        const DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
        if (size == 0) return std::string();
        std::string buf(size, '\0');
        const DWORD n = GetShortPathNameA(path.c_str(), buf.data(), size);
        return n > 0 && n < size ? buf.substr(0, n) : std::string();
    };
    api.getModuleFileName = []() {
        // A path that fills the buffer may have been cut: try again with more room.
        std::string buf(MAX_PATH, '\0');
        for (;;) {
            DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
            if (n == 0) return std::string();
            if (n < buf.size()) return buf.substr(0, n);
            if (buf.size() >= 32768) return std::string();
            buf.resize(buf.size() * 2);
        }
    };
    return api;
}

}  // namespace

FileApi& Files() {
    static FileApi api = MakeWin32Files();
    return api;
}

}  // namespace platform
