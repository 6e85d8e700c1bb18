#pragma once
// Whose hive the installation's per-user settings ("Search Path", Known Packages) went to, so that
// the removal takes them back from that hive, whoever starts it.
#include <string>

namespace removal {

// The SID that names the per-user root of the registry accessor below HKEY_USERS.
// SEAM: the per-user root is HKEY_CURRENT_USER, the process's own user's hive, until the desktop
// user's hive is chosen there; then this gives that hive's SID.
std::string PerUserHiveSid();

}  // namespace removal
