// The packing command behind the hidden Pack button: a new data.res from the Data folder and
// license.txt beside the executable.
#include "forms/Application.h"
#include "payload/PackCommand.h"
#include "platform/Files.h"
#include "rtl/Backslash.h"
#include "platform/Ui.h"
#include "wizard/WizardTexts.h"
#include "wizard/p1u1.h"

namespace wizard {

void TMainForm::btnPackClick(rtl::TComponent&) {
    const std::string exe = platform::Files().getModuleFileName();
    const std::string folder = rtl::FolderPart(exe);
    payload::PackPayload(forms::Application, folder + texts::PackDataFolder, folder + texts::PackLicenseFile,
                         folder + texts::PackResourceFile);
    platform::Ui().messageBox(texts::PackingDone, forms::Application->Title(), platform::mb::Ok);
}

}  // namespace wizard
