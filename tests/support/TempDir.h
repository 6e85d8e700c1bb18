#pragma once
// Test helpers on the real file system: a fresh folder removed with everything in it afterwards,
// and whole-file reads and writes.
#include <cstdint>
#include <string>

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
uint32_t Attributes(const std::string& path);

}  // namespace test
