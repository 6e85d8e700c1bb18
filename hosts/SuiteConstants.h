#pragma once
// The suite's own constants, kept in the program's string table.
#include <string>

namespace hosts {

std::string SuiteVersion();        // "4.3"
std::string PackageDescription();  // the description under which the package is registered
std::string EditionTitle();        // the wizard window's caption

}  // namespace hosts
