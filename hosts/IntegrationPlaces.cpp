#include "hosts/IntegrationPlaces.h"

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "rtl/Format.h"

namespace hosts {
namespace {

constexpr char IncludePrefix[] = ":Include ";
constexpr char HelpFolder[] = "\\Help\\";

std::string InstalledSuiteHelp(const char* extension) {
    return HostRootPath + HelpFolder + SelectedHost().SuiteHelpName + extension;
}

}  // namespace

std::string LibraryKey() { return msg::BorlandUserKey + std::string(SelectedHost().HostRegistryKey) + msg::LibrarySubKey; }

std::string KnownPackagesKey() {
    return msg::BorlandUserKey + std::string(SelectedHost().HostRegistryKey) + msg::KnownPackagesSubKey;
}

std::string SuiteLibraryEntry() { return ApplyHostMacro(InstallPath + msg::LibSuffix); }

std::string SuitePackageEntry() {
    return ApplyHostMacro(rtl::Format(msg::PackageEntryFormat, InstallPath, SelectedHost().DtmPackageBinary));
}

std::string IdeHelpContentsFile() { return HostRootPath + HelpFolder + SelectedHost().HostHelpContents; }
std::string SuiteIncludeLine() { return IncludePrefix + std::string(SelectedHost().SuiteHelpName) + ".cnt"; }
std::string InstalledSuiteHelpFile() { return InstalledSuiteHelp(".hlp"); }
std::string InstalledSuiteContentsFile() { return InstalledSuiteHelp(".cnt"); }

std::string SystemRuntimePackage(const std::string& systemFolder) {
    return systemFolder + "\\" + SelectedHost().RtmPackageBinary;
}

}  // namespace hosts
