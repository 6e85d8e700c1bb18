#pragma once
// The IDE's own settings in the per-user root (the desktop user's hive): its library settings,
// whose search path receives the suite's library folder, and its known packages.
#include <string>

#include "hosts/HostTable.h"

namespace hosts {

// \Software\Borland\<HostRegistryKey>\Library and \Software\Borland\<HostRegistryKey>\Known Packages.
std::string LibraryKeyPath(const HostInfo& host);
std::string KnownPackagesKeyPath(const HostInfo& host);

// Whether the selected IDE has been started by the user whose hive is the per-user root: the IDE
// makes both keys at its first start.
bool HostStartedByUser();

}  // namespace hosts
