#include "hosts/HostSelection.h"

namespace hosts {

std::string InstallPath;
std::string HostRootPath;

namespace {
const IHostButtons* g_buttons = nullptr;
}

void SetHostButtons(const IHostButtons* buttons) { g_buttons = buttons; }

int GetHostIndex() {
    if (g_buttons)
        for (int i = 0; i < HostCount; ++i)
            if (g_buttons->IsChecked(i)) return i;
    return 0;
}

}  // namespace hosts
