#pragma once
// Folder path rules shared by the wizard and the integration steps.
#include <string>

namespace hosts {

// Removes one trailing backslash unless the path is shorter than two characters or a drive root
// (a letter, a colon, a backslash).
std::string StripTrailingBackslash(const std::string& path);
// name in folder (a path of the form StripTrailingBackslash gives): folder, a backslash and name;
// a drive root has its backslash already.
std::string PathInFolder(const std::string& folder, const std::string& name);
// True when the platform reports the path's attributes with the directory bit set.
bool FolderExists(const std::string& path);
// A full folder path: a drive letter, a colon and a backslash (C:\ or C:\Korvane), or a share
// \\server\share, each name not empty, optionally followed by a backslash and more.
bool IsFullFolderPath(const std::string& path);
// True when a plain file (not a folder) exists at the path.
bool FileExists(const std::string& path);

}  // namespace hosts
