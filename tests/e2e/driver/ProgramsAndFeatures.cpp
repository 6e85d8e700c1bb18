#include "tests/e2e/driver/ProgramsAndFeatures.h"

#include <shlobj.h>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/support/TempDir.h"

namespace e2e {
namespace {

std::vector<ProgramEntry> AllEntries() {
    std::vector<ProgramEntry> entries;
    for (const std::string& name : SubKeys(HKEY_LOCAL_MACHINE, UninstallKey)) {
        const std::string key = std::string(UninstallKey) + "\\" + name;
        entries.push_back({name, AllValues(HKEY_LOCAL_MACHINE, key)});
    }
    return entries;
}

}  // namespace

std::string ProgramEntry::Text(const std::string& name) const {
    const auto value = values.find(name);
    if (value == values.end() || (value->second.type != REG_SZ && value->second.type != REG_EXPAND_SZ)) return "";
    return value->second.data.c_str();
}

std::string ProgramEntry::Uninstaller() const {
    std::string command = Text("UninstallString");
    if (command.size() >= 2 && command.front() == '"' && command.back() == '"') command = command.substr(1, command.size() - 2);
    return command;
}

std::vector<ProgramEntry> EntriesNamed(const std::string& displayName) {
    std::vector<ProgramEntry> named;
    for (const ProgramEntry& entry : AllEntries())
        if (entry.Text("DisplayName") == displayName) named.push_back(entry);
    return named;
}

void RemoveKorvaneEntriesAndUninstallers() {
    for (const ProgramEntry& entry : AllEntries())
        if (entry.Text("DisplayName").rfind("Korvane ", 0) == 0)
            fixture::DeleteTree(fixture::Hive::LocalMachine, std::string(UninstallKey) + "\\" + entry.key, UninstallKey);
    test::RemoveTree(ProgramFilesFolder() + "\\Maltrow Software");
    // The copies that removed the uninstallers, left for a restart of Windows; one still running
    // stays until the next time.
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    WIN32_FIND_DATAA found;
    const std::string folder(temp, length < sizeof temp ? length : 0);
    HANDLE h = FindFirstFileA((folder + "Korvane removal *").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return;
    do test::RemoveTree(folder + found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
}

std::string ProgramFilesFolder() {
    char folder[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return "";
    return folder;
}

}  // namespace e2e
