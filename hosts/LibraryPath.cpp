#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationPlaces.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/ProductRecord.h"
#include "hosts/SearchPathList.h"
#include "hosts/UserSettings.h"
#include "rtl/Paths.h"
#include "rtl/Registry.h"
#include "rtl/StringList.h"
#include "rtl/TextRules.h"

namespace hosts {
namespace {

// Only the first equal entry goes: duplicates someone added by hand are not ours to remove.
void RemoveFirst(rtl::TStringList& list, const std::string& entry) {
    const int index = list.IndexOf(entry);
    if (index >= 0) list.Delete(index);
}

}  // namespace

std::string ApplyHostMacro(const std::string& path) {
    // A plain character prefix, not path components: earlier installations' entries were written
    // this way (C:\D6 also matches C:\D6X), and removing them relies on the same rewriting.
    if (HostRootPath.empty()) return path;
    if (!rtl::StartsWithText(path, HostRootPath)) return path;
    return SelectedHost().HostMacro + path.substr(HostRootPath.size());
}

void RegisterLibraryPath() {
    const HostInfo& host = SelectedHost();
    rtl::TRegistry reg;
    // No library settings means the IDE was never started by this user: leave everything alone.
    // Next on the install path page has checked for them; they may have gone since.
    if (!reg.OpenKey(LibraryKeyPath(host), false)) return;

    rtl::TStringList entries;
    entries.Assign(SplitSearchPath(reg.ReadString(msg::SearchPathValue)));

    const std::string previous = ReadProductValue(msg::PathValue, host.HostName);
    if (!previous.empty()) {
        const std::string old = rtl::FolderPlus(previous, msg::LibSuffix);
        RemoveFirst(entries, old);
        RemoveFirst(entries, ApplyHostMacro(old));
    }
    entries.Add(SuiteLibraryEntry());

    WriteProductValue(msg::PathValue, InstallPath, host.HostName);
    reg.WriteString(msg::SearchPathValue, JoinSearchPath(entries.Lines()));
}

}  // namespace hosts
