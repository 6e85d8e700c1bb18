#include "tests/e2e/driver/ProgramsAndFeatures.h"

#include <shlobj.h>

#include <algorithm>

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

// The copies mark themselves and their folders for deletion at the next start of Windows, which
// a test prefix never sees: their pairs leave the pending operations again.
void ForgetCopiesPendingDeletion() {
    const char key[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
    const char name[] = "PendingFileRenameOperations";
    StoredValue pending = ValueOf(HKEY_LOCAL_MACHINE, key, name);
    if (pending.type != REG_MULTI_SZ) return;
    // Pairs of source and target, a deletion's target empty.
    std::vector<std::string> strings;
    for (size_t at = 0; at <= pending.data.size();) {
        const size_t nul = std::min(pending.data.find('\0', at), pending.data.size());
        strings.push_back(pending.data.substr(at, nul - at));
        at = nul + 1;
    }
    std::string kept;
    for (size_t i = 0; i + 1 < strings.size() && !strings[i].empty(); i += 2)
        if (strings[i].find("\\Korvane removal ") == std::string::npos) kept += strings[i] + '\0' + strings[i + 1] + '\0';
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
    if (kept.empty())
        RegDeleteValueA(k, name);
    else
        SetValue(HKEY_LOCAL_MACHINE, key, name, {REG_MULTI_SZ, kept + '\0'});
    RegCloseKey(k);
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
    if (h != INVALID_HANDLE_VALUE) {
        do test::RemoveTree(folder + found.cFileName);
        while (FindNextFileA(h, &found));
        FindClose(h);
    }
    ForgetCopiesPendingDeletion();
}

std::string ProgramFilesFolder() {
    char folder[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return "";
    return folder;
}

}  // namespace e2e
