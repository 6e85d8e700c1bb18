#include "tests/e2e/driver/DiskFiles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "tests/support/TempDir.h"

namespace e2e {
namespace {

void Walk(const std::string& root, const std::string& relative, std::vector<DiskFile>& out) {
    for (const test::FolderEntry& e : test::FolderEntries(root + relative)) {
        const std::string name = relative + "\\" + e.name;
        if (e.folder)
            Walk(root, name, out);
        else
            out.push_back(FileAt(root + name, name));
    }
}

}  // namespace

DiskFile FileAt(const std::string& path, const std::string& name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw std::runtime_error("no file " + path);
    return {name, data.nFileSizeLow, GetFileAttributesA(path.c_str()), test::LocalDosTime(path)};
}

std::vector<DiskFile> FilesBelow(const std::string& folder) {
    std::vector<DiskFile> files;
    Walk(folder, "", files);
    std::sort(files.begin(), files.end(), [](const DiskFile& a, const DiskFile& b) { return a.name < b.name; });
    return files;
}

std::vector<std::string> FileNamesAsListed(const std::string& folder) {
    std::vector<std::string> names;
    for (const test::FolderEntry& e : test::FolderEntries(folder))
        if (!e.folder) names.push_back(e.name);
    return names;
}

std::string DosTimeText(uint32_t dosTime) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", (dosTime >> 25) + 1980, (dosTime >> 21) & 15,
                  (dosTime >> 16) & 31, (dosTime >> 11) & 31, (dosTime >> 5) & 63, (dosTime & 31) * 2);
    return text;
}

}  // namespace e2e
