#include "tests/support/RunningProgram.h"

#include <windows.h>

#include <stdexcept>

namespace test {

RunningProgram::RunningProgram(const std::string& program, const std::string& arguments, const std::string& folder) {
    std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        throw std::runtime_error("cannot start " + program);
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
}

RunningProgram::~RunningProgram() {
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool RunningProgram::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

uint32_t RunningProgram::ExitCode(int limitMs) const {
    if (WaitForSingleObject(process_, limitMs < 0 ? INFINITE : static_cast<DWORD>(limitMs)) != WAIT_OBJECT_0)
        throw std::runtime_error("a program did not end within " + std::to_string(limitMs / 1000) + " s");
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::vector<void*> RunningProgram::Windows(const std::string& className) const {
    std::vector<void*> found;
    for (HWND w = FindWindowExA(nullptr, nullptr, className.c_str(), nullptr); w;
         w = FindWindowExA(nullptr, w, className.c_str(), nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId_) found.push_back(w);
    }
    return found;
}

void RunningProgram::Close(const std::string& className, int limitMs) {
    for (void* w : Windows(className)) PostMessageA(static_cast<HWND>(w), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, static_cast<DWORD>(limitMs)) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
}

}  // namespace test
