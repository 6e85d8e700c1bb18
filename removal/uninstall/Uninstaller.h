#pragma once
// uninstall.exe's run: the question, the removal and its answer, from the record beside it.
namespace removal {

// Reads no arguments. Returns the exit code (ExitCodes.h).
int RunUninstaller();

}  // namespace removal
