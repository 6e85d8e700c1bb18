// Moves the suite's help into the IDE's Help folder and includes its contents in the IDE's own.
#include <string>

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationPlaces.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/ProductRecord.h"
#include "platform/Files.h"
#include "rtl/Paths.h"
#include "rtl/ReplaceFile.h"
#include "rtl/StringList.h"
#include "rtl/TextLines.h"

namespace hosts {
namespace {

// Copies into the IDE's Help folder. The source goes only once its copy is there, so a refused
// copy leaves the user the file in the install folder.
void MoveHelpFile(const std::string& from, const std::string& to) {
    auto& files = platform::Files();
    if (files.copyFile(from, to, false)) files.deleteFile(from);
}

// Replaces the file's content with the lines, each followed by CR LF, all or nothing, so that a
// failed write never leaves the IDE's contents truncated.
void ReplaceContents(const rtl::TStringList& lines, const std::string& path) {
    rtl::ReplaceFileBytes(path, rtl::JoinLinesCrLf(lines.Lines()));
}

void AddInclude(rtl::TStringList& contents, const std::string& include) {
    if (contents.IndexOf(include) >= 0) return;
    // A trailing empty line stays last, as WinHelp contents files often end with one.
    if (contents.Count() > 0 && contents[contents.Count() - 1].empty())
        contents.Insert(contents.Count() - 1, include);
    else
        contents.Add(include);
}

}  // namespace

void InstallHelp(IInstallationView& view) {
    const HostInfo& host = SelectedHost();
    const std::string installHelp = rtl::FolderPlus(InstallPath, "\\Help");
    const std::string suite = host.SuiteHelpName;

    const std::string contentsFile = IdeHelpContentsFile();
    if (!rtl::FileExists(contentsFile)) return;

    MoveHelpFile(rtl::PathInFolder(installHelp, suite + ".cnt"), InstalledSuiteContentsFile());
    const std::string installedHelpFile = InstalledSuiteHelpFile();
    view.SetInstalledHelpFile(installedHelpFile);
    MoveHelpFile(rtl::PathInFolder(installHelp, suite + ".hlp"), installedHelpFile);
    platform::Files().removeDirectory(installHelp);  // only an emptied folder goes

    rtl::TStringList contents;
    contents.LoadFromFile(contentsFile);
    AddInclude(contents, SuiteIncludeLine());
    ReplaceContents(contents, contentsFile);

    WriteProductValue(msg::HelpFileValue, installedHelpFile, host.HostName);
}

}  // namespace hosts
