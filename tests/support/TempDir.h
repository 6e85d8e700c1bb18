#pragma once
// Test helpers on the real file system: a fresh folder removed with everything in it afterwards,
// and whole-file reads and writes.
#include <cstdint>
#include <string>
#include <vector>

namespace test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void RemoveTree(const std::string& path);  // clears read-only bits on the way
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
void MakeFolders(const std::string& path);
bool FileExists(const std::string& path);  // a plain file, not a folder
bool FolderExists(const std::string& path);
// The entries of folder but "." and "..", in the order in which the file system lists them.
struct FolderEntry {
    std::string name;
    bool folder;
};
std::vector<FolderEntry> FolderEntries(const std::string& folder);
std::vector<std::string> EntryNames(const std::string& folder);
uint32_t Attributes(const std::string& path);
// The last-write time as a packed DOS date and time of local time (0 when it cannot be read), and
// the same stamp set; straight through Win32, so that a test knows the stamps it made without the
// installer's own conversions. SetLocalDosTime throws std::runtime_error when it cannot stamp.
uint32_t LocalDosTime(const std::string& path);
void SetLocalDosTime(const std::string& path, uint32_t dosTime);

}  // namespace test
