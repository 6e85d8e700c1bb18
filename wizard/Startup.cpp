#include "wizard/Startup.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "payload/InstTypes.h"
#include "platform/Ui.h"
#include "rtl/Format.h"
#include "wizard/StartupConsts.h"

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

bool LoadInstallerData(TApplication& application) {
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

}  // namespace wizard
