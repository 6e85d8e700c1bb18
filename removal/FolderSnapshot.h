#pragma once
// The files below a folder with their sizes and last-write times, taken before and after a step
// to find the files that the step made or wrote anew (the IDE's tools write where they please).
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace removal {

// Full path -> size and last-write time; empty for a missing folder.
using FolderSnapshot = std::map<std::string, std::pair<uint64_t, uint64_t>>;

// The files in folder, and in its subfolders when deep.
FolderSnapshot SnapshotFiles(const std::string& folder, bool deep);
// The files of after that before lacks or that have another size or time there.
std::vector<std::string> WrittenSince(const FolderSnapshot& before, const FolderSnapshot& after);

}  // namespace removal
