#include "tests/support/TempDir.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace test {

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(base) + "kvtest-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

TempDir::~TempDir() { RemoveTree(path_); }

void RemoveTree(const std::string& path) {
    for (const FolderEntry& e : FolderEntries(path)) {
        const std::string child = path + "\\" + e.name;
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (e.folder)
            RemoveTree(child);
        else
            DeleteFileA(child.c_str());
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

std::vector<FolderEntry> FolderEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = fd.cFileName;
        if (name != "." && name != "..") entries.push_back({name, (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return entries;
}

std::vector<std::string> EntryNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& e : FolderEntries(folder)) names.push_back(e.name);
    return names;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void MakeFolders(const std::string& path) {
    if (path.size() < 3) return;
    // Character by character: a double-byte letter's second byte may be a backslash's.
    for (const char* at = path.c_str() + 3;; at = CharNextA(at)) {
        if (*at == '\0' || *at == '\\') CreateDirectoryA(path.substr(0, at - path.c_str()).c_str(), nullptr);
        if (*at == '\0') break;
    }
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

uint32_t Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

uint32_t LocalDosTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    WORD date = 0, time = 0;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToDosDateTime(&local, &date, &time))
        return 0;
    return static_cast<uint32_t>(date) << 16 | time;
}

void SetLocalDosTime(const std::string& path, uint32_t dosTime) {
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME local, universal;
    const bool stamped = file != INVALID_HANDLE_VALUE &&
                         DosDateTimeToFileTime(HIWORD(dosTime), LOWORD(dosTime), &local) &&
                         LocalFileTimeToFileTime(&local, &universal) && SetFileTime(file, nullptr, nullptr, &universal);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!stamped) throw std::runtime_error("cannot stamp " + path);
}

}  // namespace test
