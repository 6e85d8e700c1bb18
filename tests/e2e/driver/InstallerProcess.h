#pragma once
// install.exe started as its own process, as a user starts it, and its windows found from the
// outside: by class and caption among the top-level windows that belong to it.
#include <string>
#include <vector>

#include "tests/e2e/driver/Wait.h"
#include "tests/e2e/driver/Window.h"
#include "tests/support/RunningProgram.h"

namespace e2e {

// A file beside the running driver (install.exe, kvpack.exe and the fixtures are built there).
std::string BesideDriver(const std::string& name);

class InstallerProcess {
public:
    // Starts program with its own folder as the current one; ends it on destruction if it still runs.
    explicit InstallerProcess(const std::string& program = BesideDriver("install.exe"));

    bool Running() const { return program_.Running(); }
    // Waits for the end; throws when it does not come within the limit (a negative one: for ever).
    DWORD ExitCode(int limitMs = DefaultLimitMs) const { return program_.ExitCode(limitMs); }

    // Its visible top-level window of the class (with the caption, when given), once there.
    Window WaitForWindow(const std::string& className, const char* caption = nullptr,
                         int limitMs = DefaultLimitMs) const;
    // Its top-level windows of the class that are visible now.
    std::vector<Window> VisibleWindows(const std::string& className) const;

private:
    test::RunningProgram program_;
};

}  // namespace e2e
