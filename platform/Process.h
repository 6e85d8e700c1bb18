#pragma once
// Processes.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Files.h"

namespace platform {

struct ProcessApi {
    // CreateProcessA without application name and inherited handles, in a new console of normal
    // priority with the given title, window hidden when asked; the current environment and folder.
    // Returns the process handle, InvalidHandle when it could not be started.
    std::function<Handle(const std::string& commandLine, const std::string& consoleTitle, bool hidden)> createProcess;
    // WaitForSingleObject without a time limit, then the exit code (GetExitCodeProcess).
    std::function<uint32_t(Handle)> waitForProcess;
    // WinExec with a normal window; true when started.
    std::function<bool(const std::string& commandLine)> winExec;
};

ProcessApi& Processes();

}  // namespace platform
