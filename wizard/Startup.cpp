#include "wizard/Startup.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <exception>

#include "payload/InstTypes.h"
#include "platform/Ui.h"
#include "rtl/Format.h"
#include "wizard/StartupConsts.h"
#include "wizard/WizardTexts.h"
#include "wizard/p1u1.h"
#include "wizard/p1u2.h"

namespace wizard {
namespace {

// The runtime names a code address; the start-up routine's own address stands for it, in the
// runtime's eight-digit upper-case hexadecimal form (more digits only on a 64-bit build).
std::string CodeAddress() {
    char text[2 * sizeof(uintptr_t) + 1];
    std::snprintf(text, sizeof text, "%08" PRIXPTR, reinterpret_cast<uintptr_t>(&LoadInstallerData));
    return text;
}

void EndWithRuntimeError(uint32_t code) {
    using namespace platform;
    Ui().messageBox(rtl::Format(consts::SRuntimeError, code, CodeAddress()), consts::SRuntimeErrorCaption,
                    mb::Ok | mb::IconStop);
    Ui().exitProcess(code);
}

}  // namespace

bool LoadInstallerData(forms::TApplication& application) {
    // The global refers to the object before loading starts; the application frees it at the end.
    payload::InstallerData = new payload::TInstallerData(&application);
    try {
        payload::InstallerData->LoadFromResource();
        return true;
    } catch (...) {
        EndWithRuntimeError(consts::UnhandledExceptionError);
        return false;
    }
}

int RunInstaller() {
    forms::TApplication application;
    if (!LoadInstallerData(application)) return static_cast<int>(consts::UnhandledExceptionError);
    application.Initialize();
    application.SetTitle(texts::ApplicationTitle);
    try {
        application.CreateForm<TMainForm>();
        frmLicense = application.CreateForm<TfrmLicense>();
    } catch (const std::exception& e) {
        application.ShowException(e.what());
        return 1;
    }
    application.Run();
    return 0;
}

}  // namespace wizard
