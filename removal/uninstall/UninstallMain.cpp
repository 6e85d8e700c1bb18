// Program entry of uninstall.exe.
#include "platform/DllSearch.h"
#include "removal/uninstall/Uninstaller.h"

int main() {
    platform::LoadDllsFromSystemFolderOnly();
    return removal::RunUninstaller();
}
