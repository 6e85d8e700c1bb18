#pragma once
// Windows' list of installed programs as Programs and Features reads it: the subkeys of
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall (in a 32-bit program's view), each
// with its display name and the command that removes the program.
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/driver/StoredValues.h"

namespace e2e {

inline constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct ProgramEntry {
    std::string key;  // below UninstallKey
    std::map<std::string, StoredValue> values;
    // The value as text, without its NUL; empty when it is missing or no string.
    std::string Text(const std::string& name) const;
    // UninstallString without the quotes around it.
    std::string Uninstaller() const;
};

// The entries whose DisplayName is exactly displayName.
std::vector<ProgramEntry> EntriesNamed(const std::string& displayName);
// Every entry whose DisplayName begins with "Korvane " goes, the uninstaller folders below
// <Program Files>\Maltrow Software and the copies that removed uninstallers in the temporary
// folder: what installations and removals leave outside a test's folder.
void RemoveKorvaneEntriesAndUninstallers();
// SHGetFolderPathA(CSIDL_PROGRAM_FILES), as a 32-bit program sees it.
std::string ProgramFilesFolder();

}  // namespace e2e
