// The two Browse buttons of the install path page: the IDE's root folder (Tag 1) and the install
// folder (Tag 2) chosen in the folder browser.
#include "hosts/HostSelection.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "wizard/BrowseFolderDlg.h"
#include "wizard/WizardTexts.h"
#include "wizard/p1u1.h"

namespace wizard {

void TMainForm::BrowseClick(rtl::TComponent& sender) {
    // The field and the browser's title for the button; the labels, versions and warning stay
    // as they are (no UpdateHostPage), and a cancelled browse leaves the field as it was.
    forms::TEdit* field = nullptr;
    std::string title;
    switch (sender.Tag) {
        case 1:
            field = edHostPath;
            title = rtl::Format(texts::ChooseRootFolder, hosts::SelectedHost().HostName);
            break;
        case 2:
            field = edInstallPath;
            title = texts::ChooseInstallFolder;
            break;
        default: return;
    }
    std::string folder = rtl::StripTrailingBackslash(field->Text());
    if (BrowseForFolder(folder, title, 0)) field->SetText(folder);
}

}  // namespace wizard
