#pragma once
// The IDE's entry in Windows' Programs and Features (Add or Remove Programs), below
// HKEY_LOCAL_MACHINE in this 32-bit program's view of the registry.
#include <cstdint>
#include <string>
#include <vector>

namespace removal {

struct EntryValues {
    std::string hostName;
    std::string installFolder;  // of the latest installation
    std::string uninstaller;    // full path
    uint32_t sizeKiB = 0;
};

// Creates or replaces the entry's values. "Unable to write to registry" with the key when the
// key cannot be made, the registry's error when a value cannot be set.
void WriteEntry(const EntryValues& values);
// Only the size, where the entry is there.
void UpdateEntrySize(const std::string& hostName, uint32_t sizeKiB);
// Removes the entry; "Unable to write to registry" when it stays.
void DeleteEntry(const std::string& hostName);

// What the files take on disk together, in KiB rounded up; missing files take nothing.
uint32_t SizeKiB(const std::vector<std::string>& files);

}  // namespace removal
