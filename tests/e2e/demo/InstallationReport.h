#pragma once
// What an installation left on the machine, told in a few readable lines: the files below the
// install folder, the IDE's registry settings and the product record, the help, the compilation.
#include <ostream>
#include <string>

#include "fixtures/fakeide/FakeIde.h"

namespace e2e_demo {

// For the host (a host table row) whose IDE is ide; nothing recorded gives one line saying so.
void ReportInstallation(std::ostream& out, int host, const fixture::FakeIde& ide);

}  // namespace e2e_demo
