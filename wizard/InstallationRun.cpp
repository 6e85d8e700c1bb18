// The installation run: the payload's files, then the IDE's library path, package, help and the
// compiled packages, each stage shown on the "Installing" page and each change recorded for the
// removal as its step completes.
#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "payload/InstTypes.h"
#include "removal/RunRecorder.h"
#include "wizard/p1u1.h"

namespace wizard {
namespace {

constexpr char CommonFolderTag[] = "common";

// Undoes a temporary setting when the scope ends, also when an error passes.
template <class Undo>
class Finally {
public:
    explicit Finally(Undo undo) : undo_(std::move(undo)) {}
    ~Finally() { undo_(); }
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;

private:
    Undo undo_;
};

}  // namespace

void TMainForm::RunInstallation() {
    payload::TFileCollection& files = payload::InstallerData->Files();
    files.RootFolder = hosts::InstallPath;
    // The uninstaller and its record come first, so that even a run that stops can be taken back.
    removal::RunRecorder record;
    {
        // Every file of the tags is written; none is named anywhere.
        files.OnExtractFile = [&record](payload::TFileCollection&, const std::string& destination, bool& skip) {
            skip = false;
            record.FileWritten(destination);
        };
        Finally clearHandler([&files] { files.OnExtractFile = nullptr; });
        // Later tags replace earlier files of the same name: the host's own version wins.
        record.Extraction([&files] {
            files.ExtractFolder(CommonFolderTag);
            files.ExtractFolder(hosts::SelectedHost().VclFolderTag);
            files.ExtractFolder(hosts::SelectedHost().PayloadFolderTag);
        });
    }
    cbMainInstalling->SetState(forms::cbChecked);
    cbAdditInstalling->SetState(forms::cbChecked);
    cbHelpInstalling->SetState(forms::cbChecked);

    record.LibraryPath(hosts::RegisterLibraryPath);
    record.Package(hosts::RegisterPackage);
    record.Help([this] { hosts::InstallHelp(*this); });
    cbRegistering->SetState(forms::cbChecked);
    Repaint();

    // The window takes no input while the tools run: the sign is what the user sees meanwhile.
    cbCompiling->SetState(forms::cbGrayed);
    lbCompilingSign->SetVisible(true);
    Repaint();
    {
        Finally hideSign([this] { lbCompilingSign->SetVisible(false); });
        record.Compilation([this] { hosts::CompilePackages(*this); });
    }
    Repaint();
}

}  // namespace wizard
