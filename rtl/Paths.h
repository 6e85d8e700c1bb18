#pragma once
// Folder path rules: how the installer keeps, joins and tests folder paths.
#include <string>

#include "platform/Text.h"

namespace rtl {

// Removes one trailing backslash unless the path is shorter than two characters or a drive root
// (a letter, a colon, a backslash). The last character is a character of the code page: a name
// that ends in a double-byte character whose second byte is 0x5C keeps it whole.
std::string StripTrailingBackslash(const std::string& path, unsigned codePage = platform::AnsiCodePage);
// name in folder (a path of the form StripTrailingBackslash gives): folder, a backslash and name;
// a drive root has its backslash already.
std::string PathInFolder(const std::string& folder, const std::string& name);
// A kept folder followed by a part that begins with a backslash, byte for byte: on a drive root
// the result holds two backslashes (C:\ and \Lib give C:\\Lib). Search path entries, package
// names and batch lines are built this way, as earlier installations wrote them.
std::string FolderPlus(const std::string& folder, const std::string& backslashPart);
// The folder that holds path, as a kept folder: C:\\Korvane for C:\\Korvane\\x.exe, C:\\ for C:\\x.exe.
std::string FolderOf(const std::string& path);
// True when the platform reports the path's attributes with the directory bit set.
bool FolderExists(const std::string& path);
// A full folder path: a drive letter, a colon and a backslash (C:\ or C:\Korvane), or a share
// \\server\share, each name not empty, optionally followed by a backslash and more.
bool IsFullFolderPath(const std::string& path);
// True when a plain file (not a folder) exists at the path.
bool FileExists(const std::string& path);

}  // namespace rtl
