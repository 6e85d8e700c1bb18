// Moves the suite's help into the IDE's Help folder and includes its contents in the IDE's own.
#include <string>

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/Paths.h"
#include "hosts/ProductRecord.h"
#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/StringList.h"

namespace hosts {
namespace {

constexpr char IncludePrefix[] = ":Include ";
// The new contents are written here first, beside the IDE's file, so that a failed write never
// leaves the IDE's contents truncated.
constexpr char PendingSuffix[] = ".kvnew";

// A file that is removed again unless it was put in its place.
class PendingFile {
public:
    explicit PendingFile(std::string path) : path_(std::move(path)) {}
    ~PendingFile() { if (!committed_) platform::Files().deleteFile(path_); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    const std::string& Path() const { return path_; }
    void Commit() { committed_ = true; }

private:
    std::string path_;
    bool committed_ = false;
};

// Copies into the IDE's Help folder. The source goes only once its copy is there, so a refused
// copy leaves the user the file in the install folder.
void MoveHelpFile(const std::string& from, const std::string& to) {
    auto& files = platform::Files();
    if (files.copyFile(from, to, false)) files.deleteFile(from);
}

// Replaces the file's content with the lines, each followed by CR LF, all or nothing.
void ReplaceContents(const rtl::TStringList& lines, const std::string& path) {
    PendingFile pending(path + PendingSuffix);
    try {
        lines.SaveToFile(pending.Path());
    } catch (const rtl::EFCreateError&) {
        // The user knows the IDE's contents file, not our temporary name beside it.
        throw rtl::EFCreateError(rtl::Format(rtl::consts::SFCreateError, path));
    }
    if (!platform::Files().replaceFile(pending.Path(), path))
        throw rtl::EFCreateError(rtl::Format(rtl::consts::SFCreateError, path));
    pending.Commit();
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
    const std::string ideHelp = HostRootPath + "\\Help\\";
    const std::string installHelp = InstallPath + "\\Help";
    const std::string suite = host.SuiteHelpName;

    const std::string contentsFile = ideHelp + host.HostHelpContents;
    if (!FileExists(contentsFile)) return;

    MoveHelpFile(installHelp + "\\" + suite + ".cnt", ideHelp + suite + ".cnt");
    const std::string installedHelpFile = ideHelp + suite + ".hlp";
    view.SetInstalledHelpFile(installedHelpFile);
    MoveHelpFile(installHelp + "\\" + suite + ".hlp", installedHelpFile);
    platform::Files().removeDirectory(installHelp);  // only an emptied folder goes

    rtl::TStringList contents;
    contents.LoadFromFile(contentsFile);
    AddInclude(contents, IncludePrefix + suite + ".cnt");
    ReplaceContents(contents, contentsFile);

    WriteProductValue(msg::HelpFileValue, installedHelpFile, host.HostName);
}

}  // namespace hosts
