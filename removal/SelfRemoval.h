#pragma once
// A running program cannot delete its own file: the uninstaller, its record and the folders they
// leave empty go once it has ended, removed by a copy of the program in the temporary folder
// that waits for it, or, as the last resort, at the next start of Windows.
#include <string>
#include <vector>

#include "removal/RemovalRecord.h"

namespace removal {

// Called by the uninstaller before it ends. The copy is made in a new folder of the temporary
// folder with a record beside it (the files, the top folder, the handle to wait on, which the copy
// inherits) and started; it reads no arguments. Where that cannot be done, the files and their
// folders are marked for deletion at the next start of Windows. False when neither could be done.
bool RemoveAfterEnd(const std::string& program, const std::vector<std::string>& files, const std::string& top);

// The copy's part, given the record read from recordFile beside it: that record goes first, so
// that the work is never done twice; then, once the uninstaller has ended, its files and the
// folders left empty up to top; last, the copy and its folder are marked for deletion at the next
// start of Windows, as a running program cannot delete itself.
void FinishAfterEnd(const TRemovalRecord& cleanup, const std::string& recordFile, const std::string& program);

}  // namespace removal
