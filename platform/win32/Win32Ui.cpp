#include <windows.h>

#include "platform/Ui.h"

namespace platform {
namespace {

HWND g_mainWindow = nullptr;

BOOL CALLBACK FindOwnTopLevel(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The window that stands for the application: the main window, else any visible top-level window
// of this process (the active window is none while the user works in another program).
HWND ApplicationWindow() {
    if (g_mainWindow && IsWindow(g_mainWindow)) return g_mainWindow;
    HWND found = nullptr;
    EnumWindows(FindOwnTopLevel, reinterpret_cast<LPARAM>(&found));
    return found;
}

UiApi MakeWin32Ui() {
    UiApi api;
    api.messageBox = [](const std::string& text, const std::string& caption, uint32_t flags) {
        return MessageBoxA(ApplicationWindow(), text.c_str(), caption.c_str(), flags);
    };
    api.windowClassExists = [](const std::string& className) {
        return FindWindowA(className.c_str(), nullptr) != nullptr;
    };
    api.bringApplicationToFront = []() {
        if (HWND w = ApplicationWindow()) SetForegroundWindow(w);
    };
    api.exitProcess = [](uint32_t code) { ExitProcess(code); };
    api.winHelp = [](const std::string& file, uint32_t command, const std::string& macro, uint32_t topic) {
        ULONG_PTR data = command == HELP_COMMAND ? reinterpret_cast<ULONG_PTR>(macro.c_str()) : topic;
        return WinHelpA(nullptr, file.c_str(), command, data) != FALSE;
    };
    return api;
}

}  // namespace

void SetMainWindow(void* window) { g_mainWindow = static_cast<HWND>(window); }

UiApi& Ui() {
    static UiApi api = MakeWin32Ui();
    return api;
}

}  // namespace platform
