#pragma once
// What uninstall.exe's exit code says.
namespace removal {

enum ExitCode : int {
    Removed = 0,        // everything taken back
    NotRemoved = 1,     // No, a running IDE, or no readable record: nothing changed
    RemovedInPart = 2,  // a step failed; the entry and the record keep what is left
};

}  // namespace removal
