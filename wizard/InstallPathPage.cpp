// The install path page: which hosts the payload serves, and the folders and versions of the
// selected one.
#include "hosts/HostMessages.h"
#include "hosts/HostTable.h"
#include "hosts/ProductRecord.h"
#include "hosts/SuiteConstants.h"
#include "payload/InstTypes.h"
#include "rtl/Format.h"
#include "wizard/WizardTexts.h"
#include "wizard/p1u1.h"

namespace wizard {

void TMainForm::EnableHostButton(forms::TRadioButton& button, const char* folderTag) {
    const bool hasFiles = payload::InstallerData->Files().HasFolder(folderTag);
    button.SetEnabled(hasFiles);
    button.SetChecked(hasFiles);
}

void TMainForm::UpdateHostPage() {
    const hosts::HostInfo& host = hosts::SelectedHost();
    lbHostPath->SetCaption(rtl::Format(texts::HostPathLabel, host.HostName));
    edHostPath->SetText(hosts::ReadHostRootDir());

    const std::string recordedFolder = hosts::ReadProductValue(hosts::msg::PathValue, host.HostName);
    edInstallPath->SetText(!recordedFolder.empty() ? recordedFolder
                                                   : texts::DefaultInstallFolder + std::string(host.PayloadFolderTag));
    // The root can be chosen only when the registry does not give it.
    btnBrowseHost->SetEnabled(edHostPath->Text().empty());

    std::string recordedVersion = hosts::ReadProductValue(hosts::msg::VersionValue, host.HostName);
    if (recordedVersion.empty()) recordedVersion = texts::UnknownVersion;
    lbPrevVersion->SetCaption(rtl::Format(texts::PreviousVersion, recordedVersion));
    lbNewVersion->SetCaption(rtl::Format(texts::InstallVersion, hosts::SuiteVersion()));
    lbDowngradeWarning->SetVisible(!hosts::InstalledVersionNotNewer());
}

void TMainForm::HostClick(rtl::TComponent&) { UpdateHostPage(); }

}  // namespace wizard
