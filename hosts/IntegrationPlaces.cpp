#include "hosts/IntegrationPlaces.h"

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"

namespace hosts {
namespace {

constexpr char IncludePrefix[] = ":Include ";
constexpr char HelpSuffix[] = "\\Help";

std::string IdeHelpFile(const std::string& name) { return rtl::PathInFolder(rtl::FolderPlus(HostRootPath, HelpSuffix), name); }

}  // namespace

std::string SuiteLibraryEntry() { return ApplyHostMacro(rtl::FolderPlus(InstallPath, msg::LibSuffix)); }

std::string SuitePackageEntry() {
    return ApplyHostMacro(rtl::Format(msg::PackageEntryFormat, InstallPath, SelectedHost().DtmPackageBinary));
}

std::string IdeHelpContentsFile() { return IdeHelpFile(SelectedHost().HostHelpContents); }
std::string SuiteIncludeLine() { return IncludePrefix + std::string(SelectedHost().SuiteHelpName) + ".cnt"; }
std::string InstalledSuiteHelpFile() { return IdeHelpFile(SelectedHost().SuiteHelpName + std::string(".hlp")); }
std::string InstalledSuiteContentsFile() { return IdeHelpFile(SelectedHost().SuiteHelpName + std::string(".cnt")); }

std::string SystemRuntimePackage(const std::string& systemFolder) {
    return rtl::PathInFolder(systemFolder, SelectedHost().RtmPackageBinary);
}

}  // namespace hosts
