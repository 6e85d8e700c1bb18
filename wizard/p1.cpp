// Program entry of install.exe.
#include "wizard/Application.h"
#include "wizard/Startup.h"
#include "wizard/StartupConsts.h"

int main() {
    wizard::TApplication application;
    if (!wizard::LoadInstallerData(application)) return static_cast<int>(wizard::consts::UnhandledExceptionError);
    return 0;
}
