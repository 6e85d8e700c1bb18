#pragma once
// Start-up of install.exe up to the first window: the installer data is created, owned by the
// application object, and loaded from the executable's INSTALL_DATA resource.
#include "wizard/Application.h"

namespace wizard {

// Creates payload::InstallerData owned by application and loads it. A missing or damaged payload
// ends the process as an unhandled start-up error does: the "Runtime error 217" box (the error's
// own message is not shown) and exit code 217. Returns true when the payload loaded; false only
// when a replaced exitProcess came back.
bool LoadInstallerData(TApplication& application);

}  // namespace wizard
