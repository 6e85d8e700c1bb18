#pragma once
// The removal's work: every change that a record lists taken back.
#include "removal/RemovalRecord.h"

namespace removal {

// In order: the values in the user's hive (whoever runs the removal), the IDE's text files, the
// product record, then every recorded file and the folders they leave empty. A change that
// cannot be taken back is shown in a warning box with its message, and the others go on; the
// record then lists only what is left. True when nothing is left.
bool TakeBack(TRemovalRecord& record);

}  // namespace removal
