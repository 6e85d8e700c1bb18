#include "tests/e2e/driver/InstallerProcess.h"

#include <stdexcept>

namespace e2e {

std::string BesideDriver(const std::string& name) {
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, n < sizeof path ? n : 0);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

InstallerProcess::InstallerProcess(const std::string& program) {
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    std::string command = "\"" + program + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        throw std::runtime_error("cannot start " + program);
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
}

InstallerProcess::~InstallerProcess() {
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

DWORD InstallerProcess::ExitCode(int limitMs) const {
    if (WaitForSingleObject(process_, static_cast<DWORD>(limitMs)) != WAIT_OBJECT_0)
        throw std::runtime_error("install.exe did not end within " + std::to_string(limitMs / 1000) + " s");
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::vector<Window> InstallerProcess::VisibleWindows(const std::string& className) const {
    std::vector<Window> visible;
    for (const Window& w : TopLevelWindows(processId_, className))
        if (w.Visible()) visible.push_back(w);
    return visible;
}

Window InstallerProcess::WaitForWindow(const std::string& className, const char* caption, int limitMs) const {
    Window found;
    WaitUntil(
        [&] {
            for (const Window& w : TopLevelWindows(processId_, className, caption))
                if (w.Visible()) found = w;
            return bool(found) || !Running();
        },
        "a window of class " + className + (caption ? std::string(" captioned \"") + caption + "\"" : ""), limitMs);
    if (!found) throw std::runtime_error("install.exe ended before showing a window of class " + className);
    return found;
}

}  // namespace e2e
