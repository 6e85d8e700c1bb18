#pragma once
// Where the integration steps make their changes for the selected host, InstallPath and
// HostRootPath: the steps write there, and the record of an installation names the same places.
// The per-user keys are UserSettings.h's.
#include <string>

namespace hosts {

// The suite's entry in "Search Path", and the value name of its design-time package.
std::string SuiteLibraryEntry();
std::string SuitePackageEntry();

// The IDE's help contents file, the line that includes the suite's, and the help pair as installed.
std::string IdeHelpContentsFile();
std::string SuiteIncludeLine();
std::string InstalledSuiteHelpFile();
std::string InstalledSuiteContentsFile();

// The run-time package's place in the system folder.
std::string SystemRuntimePackage(const std::string& systemFolder);

}  // namespace hosts
