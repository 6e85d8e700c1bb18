#pragma once
// The changes that the installation run makes to the selected IDE, in the order it makes them.
#include <string>

#include "hosts/InstallationView.h"

namespace hosts {

// A leading HostRootPath (compared character-wise, lower-cased) replaced by the host's macro.
std::string ApplyHostMacro(const std::string& path);
// Adds InstallPath\Lib to the IDE's library search path; records "Path".
void RegisterLibraryPath();

// Whether a Known Packages value name registers the suite's design-time package for this host.
bool IsSuitePackageEntry(const std::string& valueName);
// Registers the design-time package; records "Version".
void RegisterPackage();

// Moves the help pair into the IDE's Help folder and includes it in the IDE's contents.
void InstallHelp(IInstallationView& view);

// The Windows system folder without a trailing backslash (a drive root keeps its backslash).
std::string GetSystemFolder();
// Compiles the packages through rebuild.bat; on failure writes and opens error.log.
void CompilePackages(IInstallationView& view);

}  // namespace hosts
