#pragma once
// Message boxes, window lookup, the help engine.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

namespace mb {
enum : uint32_t { Ok = 0x0, IconStop = 0x10, IconQuestion = 0x20, IconExclamation = 0x30, IconInformation = 0x40,
                  YesNo = 0x4, TaskModal = 0x2000 };
enum : int { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };
}
namespace help { enum : uint32_t { Context = 0x1, Command = 0x102 }; }

struct UiApi {
    // MessageBoxA over the active window of the application; returns the button pressed.
    std::function<int(const std::string& text, const std::string& caption, uint32_t flags)> messageBox;
    // FindWindowA by class name only: is there a top-level window of that class?
    std::function<bool(const std::string& className)> windowClassExists;
    // Brings the installer's own main window to the front (SetForegroundWindow).
    std::function<void()> bringApplicationToFront;
    // Ends the process at once with this exit code (ExitProcess).
    std::function<void(uint32_t exitCode)> exitProcess;
    // WinHelpA without an owner window: the help engine runs command (help::Command with a macro
    // text, help::Context with a topic number) on file; true when the engine took the request.
    std::function<bool(const std::string& file, uint32_t command, const std::string& macro, uint32_t topic)> winHelp;
};

UiApi& Ui();

// The installer's main window, once the toolkit has created it: message boxes are modal over it,
// and it is the window brought to the front. Until then the process's own top-level window serves.
void SetMainWindow(void* window);

}  // namespace platform
