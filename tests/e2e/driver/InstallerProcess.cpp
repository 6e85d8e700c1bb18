#include "tests/e2e/driver/InstallerProcess.h"

#include <stdexcept>

#include "tests/support/ChildProcess.h"

namespace e2e {

std::string BesideDriver(const std::string& name) { return test::ExecutableFolder() + name; }

InstallerProcess::InstallerProcess(const std::string& program)
    : program_(program, "", program.substr(0, program.find_last_of('\\'))) {}

std::vector<Window> InstallerProcess::VisibleWindows(const std::string& className) const {
    std::vector<Window> visible;
    for (const Window& w : TopLevelWindows(program_.Id(), className))
        if (w.Visible()) visible.push_back(w);
    return visible;
}

Window InstallerProcess::WaitForWindow(const std::string& className, const char* caption, int limitMs) const {
    Window found;
    WaitUntil(
        [&] {
            for (const Window& w : TopLevelWindows(program_.Id(), className, caption))
                if (w.Visible()) found = w;
            return bool(found) || !Running();
        },
        "a window of class " + className + (caption ? std::string(" captioned \"") + caption + "\"" : ""), limitMs);
    if (!found) throw std::runtime_error("install.exe ended before showing a window of class " + className);
    return found;
}

}  // namespace e2e
