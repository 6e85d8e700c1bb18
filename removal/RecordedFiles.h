#pragma once
// Files of a record taken away, read-only ones too, and the folders they leave empty.
#include <string>
#include <vector>

namespace removal {

// Deletes the file, whatever its attributes; a file that is not there is no failure. Raises
// "Cannot delete file %s" when it stays (in use, say), with its attributes as they were.
void DeleteRecordedFile(const std::string& path);
// Each folder that holds one of the files and lies at or below one of the top folders, the top
// folder too, deepest first.
std::vector<std::string> FoldersUpTo(const std::vector<std::string>& files, const std::vector<std::string>& tops);
// Those of them that are empty go, in that order; folders with other files stay.
void RemoveEmptyFolders(const std::vector<std::string>& files, const std::vector<std::string>& tops);
// The path is the folder or lies below it (names compare without regard to case).
bool IsAtOrBelow(const std::string& path, const std::string& folder);

}  // namespace removal
