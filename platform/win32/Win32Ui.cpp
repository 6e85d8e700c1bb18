#include <windows.h>

#include "platform/Ui.h"

namespace platform {
namespace {

UiApi MakeWin32Ui() {
    UiApi api;
    api.messageBox = [](const std::string& text, const std::string& caption, uint32_t flags) {
        return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
    };
    api.windowClassExists = [](const std::string& className) {
        return FindWindowA(className.c_str(), nullptr) != nullptr;
    };
    api.bringApplicationToFront = []() {
        if (HWND w = GetActiveWindow()) SetForegroundWindow(w);
    };
    api.exitProcess = [](uint32_t code) { ExitProcess(code); };
    return api;
}

}  // namespace

UiApi& Ui() {
    static UiApi api = MakeWin32Ui();
    return api;
}

}  // namespace platform
