#pragma once
// install.exe started as its own process, as a user starts it, and its windows found from the
// outside: by class and caption among the top-level windows that belong to it.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/Wait.h"
#include "tests/e2e/driver/Window.h"

namespace e2e {

// A file beside the running driver (install.exe, kvpack.exe and the fixtures are built there).
std::string BesideDriver(const std::string& name);

class InstallerProcess {
public:
    // Starts program with its own folder as the current one.
    explicit InstallerProcess(const std::string& program = BesideDriver("install.exe"));
    // Ends it if it still runs.
    ~InstallerProcess();
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;

    DWORD Id() const { return processId_; }
    bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    // Waits for the end; throws when it does not come within the limit.
    DWORD ExitCode(int limitMs = DefaultLimitMs) const;

    // Its visible top-level window of the class (with the caption, when given), once there.
    Window WaitForWindow(const std::string& className, const char* caption = nullptr,
                         int limitMs = DefaultLimitMs) const;
    // Its top-level windows of the class that are visible now.
    std::vector<Window> VisibleWindows(const std::string& className) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

}  // namespace e2e
