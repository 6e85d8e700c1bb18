#pragma once
// The account this process runs as.
#include <string>

namespace platform {

// The security identifier of the process's user in its string form ("S-1-5-21-..."), the name of
// that user's hive below HKEY_USERS; empty when the process's token cannot be read.
std::string ProcessUserSid();

}  // namespace platform
