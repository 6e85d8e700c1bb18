#include "tests/e2e/driver/DiskFiles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace e2e {
namespace {

struct ListingClose {
    void operator()(HANDLE h) const { FindClose(h); }
};

void Walk(const std::string& root, const std::string& relative, std::vector<DiskFile>& out) {
    WIN32_FIND_DATAA fd;
    HANDLE found = FindFirstFileA((root + relative + "\\*").c_str(), &fd);
    if (found == INVALID_HANDLE_VALUE) return;
    std::unique_ptr<void, ListingClose> listing(found);
    do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Walk(root, relative + "\\" + name, out);
        else
            out.push_back(FileAt(root + relative + "\\" + name, relative + "\\" + name));
    } while (FindNextFileA(found, &fd));
}

}  // namespace

DiskFile FileAt(const std::string& path, const std::string& name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw std::runtime_error("no file " + path);
    DiskFile file{name, data.nFileSizeLow, GetFileAttributesA(path.c_str()), 0};
    FILETIME local;
    WORD date = 0, time = 0;
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToDosDateTime(&local, &date, &time))
        file.dosTime = static_cast<uint32_t>(date) << 16 | time;
    return file;
}

std::vector<DiskFile> FilesBelow(const std::string& folder) {
    std::vector<DiskFile> files;
    Walk(folder, "", files);
    std::sort(files.begin(), files.end(), [](const DiskFile& a, const DiskFile& b) { return a.name < b.name; });
    return files;
}

std::string DosTimeText(uint32_t dosTime) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", (dosTime >> 25) + 1980, (dosTime >> 21) & 15,
                  (dosTime >> 16) & 31, (dosTime >> 11) & 31, (dosTime >> 5) & 63, (dosTime & 31) * 2);
    return text;
}

}  // namespace e2e
