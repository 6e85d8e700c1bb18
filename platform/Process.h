#pragma once
// Processes.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Files.h"

namespace platform {

// Each program is started by its full path as the application, so that nothing is searched for:
// the first folder searched for a bare name is the running program's own, where a program
// started from Downloads can find files that a web page left there.
struct ProcessApi {
    // CreateProcessA of application with commandLine, no inherited handles, in a new console of
    // normal priority with the given title, window hidden when asked; the current environment and
    // folder. Returns the process handle, InvalidHandle when it could not be started.
    std::function<Handle(const std::string& application, const std::string& commandLine,
                         const std::string& consoleTitle, bool hidden)>
        createProcess;
    // WaitForSingleObject without a time limit, then the exit code (GetExitCodeProcess).
    std::function<uint32_t(Handle)> waitForProcess;
    // A window program (application with commandLine) in a normal window, not waited for; true
    // when started.
    std::function<bool(const std::string& application, const std::string& commandLine)> startProgram;
    // The shell's "open" of a document by its full path (ShellExecuteExA), in a normal window, not
    // waited for, without the shell's own error boxes; true when the shell started the program it
    // associates with the document's type.
    std::function<bool(const std::string& document)> openDocument;

    // A program that waits for this one to end: inheritableSelfHandle makes (once) a handle to
    // this process that may only be waited on and that a program started by startInheriting
    // inherits with the same value; 0 when it cannot be made. startInheriting starts application
    // with commandLine in folder, inheriting it, not waited for; true when started. In the program
    // started, waitForInherited waits without a time limit until the process of that handle has
    // ended; false when the value is no handle to wait on.
    std::function<uint64_t()> inheritableSelfHandle;
    std::function<bool(const std::string& application, const std::string& commandLine, const std::string& folder)>
        startInheriting;
    std::function<bool(uint64_t handle)> waitForInherited;
};

ProcessApi& Processes();

}  // namespace platform
