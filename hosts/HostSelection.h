#pragma once
// The selected host and the two folders that every integration step reads.
#include <string>

#include "hosts/HostTable.h"

namespace hosts {

// Anything that holds the six host buttons' checked states, in host table order. The install
// path page's radio buttons implement it; tests use a plain holder.
class IHostButtons {
public:
    virtual ~IHostButtons() = default;
    virtual bool IsChecked(int hostIndex) const = 0;
};

// The buttons GetHostIndex reads; none means no button is checked.
void SetHostButtons(const IHostButtons* buttons);

// The position of the first checked button, 0 when none is checked.
int GetHostIndex();
inline const HostInfo& SelectedHost() { return HostTable[GetHostIndex()]; }

// Set by Next on the install path page through StripTrailingBackslash; empty until then.
extern std::string InstallPath;
extern std::string HostRootPath;

}  // namespace hosts
