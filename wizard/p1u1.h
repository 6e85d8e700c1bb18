#pragma once
// The wizard window: six pages in a notebook, the Back, Next and Exit buttons, the hidden Pack
// button and the timer that waits for running IDEs. Built from its description TMAINFORM; its
// controls are the members below, bound by name, and its handlers are named by the description.
#include <string>

#include "forms/Buttons.h"
#include "forms/Edits.h"
#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Timer.h"
#include "hosts/HostSelection.h"
#include "hosts/InstallationView.h"

namespace wizard {

class TMainForm : public forms::TForm, public hosts::IHostButtons, public hosts::IInstallationView {
public:
    explicit TMainForm(rtl::TComponent* owner);
    ~TMainForm() override;
    const char* ClassName() const override { return "TMainForm"; }

    // The host buttons in host table order, for GetHostIndex.
    bool IsChecked(int hostIndex) const override;
    // What the installation steps report.
    void SetInstalledHelpFile(const std::string& path) override { InstalledHelpFile_ = path; }
    void SetCompilingState(hosts::CheckState state) override;

    bool SkipExitQuestion() const { return SkipExitQuestion_; }
    const std::string& InstalledHelpFile() const { return InstalledHelpFile_; }

    // Fills the install path page for the selected host.
    void UpdateHostPage();
    // Shows the licence dialog; a refusal closes the wizard without the exit question.
    void ConfirmLicence();
    // Extracts the payload and integrates the suite with the selected IDE, reporting each stage
    // on the "Installing" page. Raises what a step raises.
    void RunInstallation();

    // Controls outside the pages.
    forms::TBevel* Bevel5 = nullptr;
    forms::TBevel* Bevel2 = nullptr;
    forms::TNotebook* Notebook = nullptr;
    forms::TButton* btnBack = nullptr;
    forms::TButton* btnNext = nullptr;
    forms::TButton* btnExit = nullptr;
    forms::TSpeedButton* btnPack = nullptr;
    forms::TTimer* Timer = nullptr;
    // "Welcome", "BeforeInstall", "WellDone", "Wait Delphi closing".
    forms::TLabel* lWelcome = nullptr;
    forms::TLabel* lBeforeInstall2 = nullptr;
    forms::TLabel* Label2 = nullptr;
    forms::TLabel* lDelphiClosing = nullptr;
    // "InstallPath".
    forms::TLabel* lbHostPath = nullptr;
    forms::TEdit* edHostPath = nullptr;
    forms::TButton* btnBrowseHost = nullptr;
    forms::TLabel* lInstallPath = nullptr;
    forms::TEdit* edInstallPath = nullptr;
    forms::TButton* btnBrowse = nullptr;
    forms::TRadioButton* rbDelphi4 = nullptr;
    forms::TRadioButton* rbDelphi5 = nullptr;
    forms::TRadioButton* rbDelphi6 = nullptr;
    forms::TRadioButton* rbCBuilder4 = nullptr;
    forms::TRadioButton* rbCBuilder5 = nullptr;
    forms::TRadioButton* rbCBuilder6 = nullptr;
    forms::TBevel* Bevel3 = nullptr;
    forms::TBevel* Bevel4 = nullptr;
    forms::TLabel* lbPrevVersion = nullptr;
    forms::TLabel* lbNewVersion = nullptr;
    forms::TLabel* lbDowngradeWarning = nullptr;
    // "Installing".
    forms::TPanel* pnStatus = nullptr;
    forms::TCheckBox* cbMainInstalling = nullptr;
    forms::TCheckBox* cbAdditInstalling = nullptr;
    forms::TCheckBox* cbHelpInstalling = nullptr;
    forms::TBevel* Bevel1 = nullptr;
    forms::TCheckBox* cbRegistering = nullptr;
    forms::TCheckBox* cbCompiling = nullptr;
    forms::TLabel* lbCompilingSign = nullptr;

    // Handlers, named by the description.
    void FormCreate(rtl::TComponent& sender);
    void FormShow(rtl::TComponent& sender);
    void FormCloseQuery(rtl::TComponent& sender, bool& canClose);
    void NextClick(rtl::TComponent& sender);
    void BackClick(rtl::TComponent& sender);
    void ExitClick(rtl::TComponent& sender);
    void TimerTimer(rtl::TComponent& sender);
    void HostClick(rtl::TComponent& sender);
    void BrowseClick(rtl::TComponent& sender);
    void btnPackClick(rtl::TComponent& sender);

protected:
    const forms::PublishedTable& Published() const override;

private:
    // The six host buttons in host table order.
    forms::TRadioButton* HostButton(int hostIndex) const;
    // Enabled (and selected) exactly when the payload holds files of the folder tag.
    void EnableHostButton(forms::TRadioButton& button, const char* folderTag);
    // The checks of Next on "InstallPath"; false after a warning box.
    bool InstallPathAccepted();

    bool SkipExitQuestion_ = false;
    std::string InstalledHelpFile_;
};

// The wizard window; set as soon as its creation begins.
extern TMainForm* MainForm;

}  // namespace wizard
