// Program entry of install.exe.
#include "platform/DllSearch.h"
#include "wizard/Startup.h"

int main() {
    platform::LoadDllsFromSystemFolderOnly();
    return wizard::RunInstaller();
}
