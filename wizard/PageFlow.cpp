// The page machine behind Next, Back and Exit, the close query, and the wait for running IDEs.
#include <exception>

#include "forms/Application.h"
#include "hosts/HostSelection.h"
#include "hosts/ProductRecord.h"
#include "hosts/UserSettings.h"
#include "platform/Resources.h"
#include "platform/Ui.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "wizard/WizardStrings.h"
#include "wizard/WizardTexts.h"
#include "wizard/p1u1.h"

namespace wizard {
namespace {

std::string Message(uint32_t id) { return platform::Resources().loadString(id); }

}  // namespace

bool TMainForm::InstallPathAccepted() {
    // Both are kept at once, also when a check below fails.
    hosts::InstallPath = rtl::StripTrailingBackslash(edInstallPath->Text());
    hosts::HostRootPath = rtl::StripTrailingBackslash(edHostPath->Text());
    const hosts::HostInfo& host = hosts::SelectedHost();
    const std::string compiler = rtl::FolderPlus(hosts::HostRootPath, host.CompilerPath);

    if (edHostPath->Text().empty()) {
        hosts::ShowWarning(Message(IDS_HOST_NOT_FOUND), {host.HostName, host.HostRegistryKey, host.HostName});
        return false;
    }
    if (!rtl::FileExists(compiler)) {
        hosts::ShowWarning(Message(IDS_COMPILER_NOT_FOUND), {host.HostName, compiler});
        return false;
    }
    // An empty or relative install folder would put the suite below whatever folder is current
    // and "\Lib" into the IDE's search path.
    if (!rtl::IsFullFolderPath(hosts::InstallPath)) {
        hosts::ShowWarning(Message(IDS_INVALID_INSTALL_PATH), {hosts::InstallPath});
        return false;
    }
    if (!hosts::HasMachineRegistryAccess()) {
        hosts::ShowWarning(Message(IDS_NO_MACHINE_PERMISSION), {});
        return false;
    }
    // Without its per-user keys the IDE would see neither the library entry nor the package, and
    // creating them would not do: the IDE fills in its own defaults only where they are absent.
    if (!hosts::HostStartedByUser()) {
        hosts::ShowWarning(Message(IDS_HOST_NOT_STARTED), {host.HostName});
        return false;
    }
    return true;
}

void TMainForm::NextClick(rtl::TComponent&) {
    const std::string page = Notebook->ActivePage();
    if (page == texts::PageWelcome) {
        Notebook->SetActivePage(texts::PageInstallPath);
        edInstallPath->SetFocus();
        edInstallPath->SetSelection(static_cast<int32_t>(edInstallPath->Text().size()), 0);
    } else if (page == texts::PageInstallPath) {
        if (!InstallPathAccepted()) return;
        Notebook->SetActivePage(texts::PageBeforeInstall);
        lBeforeInstall2->SetCaption(rtl::Format(Message(IDS_BEFORE_INSTALL), hosts::InstallPath));
        ConfirmLicence();
    } else if (page == texts::PageBeforeInstall) {
        Notebook->SetActivePage(texts::PageInstalling);
        btnBack->SetEnabled(false);
        btnNext->SetEnabled(false);
        btnExit->SetEnabled(false);
        // The one place in the wizard that catches: the run's error is shown, and the wizard
        // goes on to its finish page. Back stays disabled: the run is done once.
        try {
            RunInstallation();
        } catch (const std::exception& e) {
            hosts::ShowWarning("%s", {e.what()});
        }
        btnNext->SetEnabled(true);
        btnExit->SetEnabled(true);
    } else if (page == texts::PageInstalling) {
        Notebook->SetActivePage(texts::PageWellDone);
        btnNext->SetEnabled(false);
    }
}

void TMainForm::BackClick(rtl::TComponent&) {
    // The page before the wait page is the finish page: Back there would skip the installation.
    if (Notebook->ActivePage() == texts::PageWaitIdeClosing) return;
    if (Notebook->PageIndex() > 0) Notebook->SetPageIndex(Notebook->PageIndex() - 1);
}

void TMainForm::ExitClick(rtl::TComponent&) {
    if (Notebook->ActivePage() == texts::PageWellDone && !InstalledHelpFile_.empty()) {
        platform::Ui().winHelp(InstalledHelpFile_, platform::help::Command, texts::HelpContentsMacro, 0);
        forms::Application->ProcessMessages();
    }
    Close();
}

void TMainForm::FormCloseQuery(rtl::TComponent&, bool& canClose) {
    canClose = Notebook->ActivePage() == texts::PageWellDone || SkipExitQuestion_ ||
               platform::Ui().messageBox(Message(IDS_EXIT_QUESTION), texts::ExitCaption,
                                         platform::mb::YesNo | platform::mb::IconQuestion) == platform::mb::IdYes;
}

void TMainForm::TimerTimer(rtl::TComponent&) {
    if (Timer->Tag != 1) return;
    forms::TFont& font = lDelphiClosing->Font();
    font.SetColor(font.Color() == forms::clMaroon ? forms::clBlack : forms::clMaroon);
    if (platform::Ui().windowClassExists(texts::IdeWindowClass)) return;
    btnNext->SetEnabled(true);
    Notebook->SetActivePage(texts::PageWelcome);
    Timer->SetEnabled(false);
    platform::Ui().bringApplicationToFront();
}

}  // namespace wizard
