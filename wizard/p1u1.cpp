// The wizard window: its creation, what it publishes to its description, and the state it
// reports to the installation steps.
#include "wizard/p1u1.h"

#include <iterator>

#include "hosts/HostTable.h"
#include "hosts/SuiteConstants.h"
#include "platform/Ui.h"
#include "wizard/WizardTexts.h"

namespace wizard {

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(rtl::TComponent* owner) : forms::TForm(owner) {
    // Set before the description is read, so that FormCreate can reach the window through it.
    MainForm = this;
    Load();
}

TMainForm::~TMainForm() {
    hosts::SetHostButtons(nullptr);
    if (MainForm == this) MainForm = nullptr;
}

const forms::PublishedTable& TMainForm::Published() const {
    static const forms::PublishedHandler handlers[] = {
        KV_NOTIFY_HANDLER(TMainForm, FormCreate),   KV_NOTIFY_HANDLER(TMainForm, FormShow),
        KV_CLOSE_QUERY_HANDLER(TMainForm, FormCloseQuery),
        KV_NOTIFY_HANDLER(TMainForm, NextClick),    KV_NOTIFY_HANDLER(TMainForm, BackClick),
        KV_NOTIFY_HANDLER(TMainForm, ExitClick),    KV_NOTIFY_HANDLER(TMainForm, TimerTimer),
        KV_NOTIFY_HANDLER(TMainForm, HostClick),    KV_NOTIFY_HANDLER(TMainForm, BrowseClick),
        KV_NOTIFY_HANDLER(TMainForm, btnPackClick),
    };
    static const forms::PublishedField fields[] = {
        KV_FIELD(TMainForm, Bevel5),           KV_FIELD(TMainForm, Bevel2),
        KV_FIELD(TMainForm, Notebook),         KV_FIELD(TMainForm, btnBack),
        KV_FIELD(TMainForm, btnNext),          KV_FIELD(TMainForm, btnExit),
        KV_FIELD(TMainForm, btnPack),          KV_FIELD(TMainForm, Timer),
        KV_FIELD(TMainForm, lWelcome),         KV_FIELD(TMainForm, lBeforeInstall2),
        KV_FIELD(TMainForm, Label2),           KV_FIELD(TMainForm, lDelphiClosing),
        KV_FIELD(TMainForm, lbHostPath),       KV_FIELD(TMainForm, edHostPath),
        KV_FIELD(TMainForm, btnBrowseHost),    KV_FIELD(TMainForm, lInstallPath),
        KV_FIELD(TMainForm, edInstallPath),    KV_FIELD(TMainForm, btnBrowse),
        KV_FIELD(TMainForm, rbDelphi4),        KV_FIELD(TMainForm, rbDelphi5),
        KV_FIELD(TMainForm, rbDelphi6),        KV_FIELD(TMainForm, rbCBuilder4),
        KV_FIELD(TMainForm, rbCBuilder5),      KV_FIELD(TMainForm, rbCBuilder6),
        KV_FIELD(TMainForm, Bevel3),           KV_FIELD(TMainForm, Bevel4),
        KV_FIELD(TMainForm, lbPrevVersion),    KV_FIELD(TMainForm, lbNewVersion),
        KV_FIELD(TMainForm, lbDowngradeWarning), KV_FIELD(TMainForm, pnStatus),
        KV_FIELD(TMainForm, cbMainInstalling), KV_FIELD(TMainForm, cbAdditInstalling),
        KV_FIELD(TMainForm, cbHelpInstalling), KV_FIELD(TMainForm, Bevel1),
        KV_FIELD(TMainForm, cbRegistering),    KV_FIELD(TMainForm, cbCompiling),
        KV_FIELD(TMainForm, lbCompilingSign),
    };
    static const forms::PublishedTable table = {handlers, std::size(handlers), fields, std::size(fields)};
    return table;
}

void TMainForm::FormCreate(rtl::TComponent&) {
    SkipExitQuestion_ = false;
    InstalledHelpFile_.clear();
    SetCaption(hosts::EditionTitle());
    Notebook->SetActivePage(texts::PageWelcome);

    // Host buttons: from the last to the first, each enabled one selected in turn, so that the
    // first enabled one ends selected.
    hosts::SetHostButtons(this);
    for (int i = hosts::HostCount - 1; i >= 0; --i) EnableHostButton(*HostButton(i), hosts::HostTable[i].PayloadFolderTag);
    UpdateHostPage();

    // The wizard does not begin while an IDE runs: it waits on its own page (see TimerTimer).
    if (platform::Ui().windowClassExists(texts::IdeWindowClass)) {
        Notebook->SetActivePage(texts::PageWaitIdeClosing);
        btnNext->SetEnabled(false);
        Timer->SetEnabled(true);
    }
}

void TMainForm::FormShow(rtl::TComponent&) {}

forms::TRadioButton* TMainForm::HostButton(int hostIndex) const {
    forms::TRadioButton* const buttons[hosts::HostCount] = {rbDelphi4,   rbDelphi5,   rbDelphi6,
                                                             rbCBuilder4, rbCBuilder5, rbCBuilder6};
    return hostIndex >= 0 && hostIndex < hosts::HostCount ? buttons[hostIndex] : nullptr;
}

bool TMainForm::IsChecked(int hostIndex) const {
    forms::TRadioButton* button = HostButton(hostIndex);
    return button && button->Checked();
}

void TMainForm::SetCompilingState(hosts::CheckState state) {
    static const forms::TCheckBoxState states[] = {forms::cbUnchecked, forms::cbChecked, forms::cbGrayed};
    cbCompiling->SetState(states[static_cast<int>(state)]);
}

}  // namespace wizard
