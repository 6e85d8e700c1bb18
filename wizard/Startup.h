#pragma once
// Start-up of install.exe: the installer data is created, owned by the application object, and
// loaded from the executable's INSTALL_DATA resource before any window exists; then the
// application window, the wizard window and the hidden licence dialog; then the message loop.
#include "forms/Application.h"

namespace wizard {

// Creates payload::InstallerData owned by application and loads it. A missing or damaged payload
// ends the process as an unhandled start-up error does: the "Runtime error 217" box (the error's
// own message is not shown) and exit code 217. Returns true when the payload loaded; false only
// when a replaced exitProcess came back.
bool LoadInstallerData(forms::TApplication& application);

// The whole program; its exit code. A window description that cannot be read is shown in the
// application's error box and ends the program with exit code 1.
int RunInstaller();

}  // namespace wizard
