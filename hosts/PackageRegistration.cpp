#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationPlaces.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/ProductRecord.h"
#include "hosts/SuiteConstants.h"
#include "hosts/UserSettings.h"
#include "rtl/Backslash.h"
#include "rtl/Registry.h"
#include "rtl/TextRules.h"

namespace hosts {
namespace {

// The two characters of the suite version in "\dclkv40d6.bpl", counted from the end: any version
// of the suite's design-time package for this host is an old registration.
constexpr size_t VersionDigitFromEnd1 = 7;
constexpr size_t VersionDigitFromEnd2 = 8;

// One character at a time, in the user's locale.
bool SameCharacter(char a, char b) { return rtl::SameText(std::string(1, a), std::string(1, b)); }

}  // namespace

bool IsSuitePackageEntry(const std::string& valueName) {
    const std::string pattern = std::string("\\") + SelectedHost().DtmPackageBinary;
    // At least one character must stand before the backslash.
    if (valueName.size() <= pattern.size()) return false;
    // A real backslash: in a double-byte code page 0x5C may also be the second byte of a letter.
    if (!rtl::IsBackslashAt(valueName, valueName.size() - pattern.size())) return false;
    for (size_t k = 1; k <= pattern.size(); ++k) {
        if (k == VersionDigitFromEnd1 || k == VersionDigitFromEnd2) continue;
        if (!SameCharacter(valueName[valueName.size() - k], pattern[pattern.size() - k])) return false;
    }
    return true;
}

void RegisterPackage() {
    const HostInfo& host = SelectedHost();
    {
        rtl::TRegistry reg;
        if (reg.OpenKey(KnownPackagesKeyPath(host), false)) {
            // A snapshot first, so that deleting does not disturb the walk over the values.
            for (const std::string& name : reg.GetValueNames())
                if (IsSuitePackageEntry(name)) reg.DeleteValue(name);  // a value that stays is no reason to stop
            reg.WriteString(SuitePackageEntry(), PackageDescription());
        }
    }
    WriteProductValue(msg::VersionValue, SuiteVersion(), host.HostName);
}

}  // namespace hosts
