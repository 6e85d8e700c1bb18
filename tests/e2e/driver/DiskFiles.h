#pragma once
// Files on disk as the installer's payload describes them: relative name, size, attributes and
// last-write time as a packed DOS date and time of local time.
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct DiskFile {
    std::string name;  // below the folder walked, beginning with a backslash
    uint32_t size = 0;
    uint32_t attributes = 0;  // as GetFileAttributesA reports them
    uint32_t dosTime = 0;     // date in the high 16 bits, time in the low 16 bits
    bool operator==(const DiskFile& o) const {
        return name == o.name && size == o.size && attributes == o.attributes && dosTime == o.dosTime;
    }
};

// Every file below folder, sorted by name.
std::vector<DiskFile> FilesBelow(const std::string& folder);
// The names of the files directly in folder, in the order in which the file system lists them
// (the order in which the packer stores a folder's files).
std::vector<std::string> FileNamesAsListed(const std::string& folder);
// The one file at path; throws std::runtime_error when there is none.
DiskFile FileAt(const std::string& path, const std::string& name);
// "2002-03-13 12:26:24" for a packed DOS date and time.
std::string DosTimeText(uint32_t dosTime);

}  // namespace e2e
