// The packing command behind the hidden Pack button: a new data.res from the Data folder and
// license.txt beside the executable.
#include "forms/Application.h"
#include "payload/PackCommand.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "rtl/Paths.h"
#include "wizard/WizardTexts.h"
#include "wizard/p1u1.h"

namespace wizard {

void TMainForm::btnPackClick(rtl::TComponent&) {
    const std::string folder = rtl::FolderOf(platform::Files().getModuleFileName());
    payload::PackPayload(forms::Application, rtl::PathInFolder(folder, texts::PackDataFolder),
                         rtl::PathInFolder(folder, texts::PackLicenseFile), rtl::PathInFolder(folder, texts::PackResourceFile));
    platform::Ui().messageBox(texts::PackingDone, forms::Application->Title(), platform::mb::Ok);
}

}  // namespace wizard
