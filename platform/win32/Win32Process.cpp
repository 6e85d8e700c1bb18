#include <windows.h>

#include <vector>

#include "platform/Process.h"

namespace platform {
namespace {

ProcessApi MakeWin32Processes() {
    ProcessApi api;
    api.createProcess = [](const std::string& commandLine, const std::string& title, bool hidden) -> Handle {
        std::vector<char> cmd(commandLine.begin(), commandLine.end());
        cmd.push_back('\0');  // CreateProcessA may write into its command line
        std::vector<char> consoleTitle(title.begin(), title.end());
        consoleTitle.push_back('\0');
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.lpTitle = consoleTitle.data();
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                            nullptr, nullptr, &si, &pi))
            return InvalidHandle;
        CloseHandle(pi.hThread);
        return pi.hProcess;
    };
    api.waitForProcess = [](Handle h) -> uint32_t {
        WaitForSingleObject(h, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(h, &code);
        return code;
    };
    api.winExec = [](const std::string& commandLine) { return WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31; };
    return api;
}

}  // namespace

ProcessApi& Processes() {
    static ProcessApi api = MakeWin32Processes();
    return api;
}

}  // namespace platform
