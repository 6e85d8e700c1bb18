#include "hosts/SuiteConstants.h"

#include "hosts/SuiteStrings.h"
#include "platform/Resources.h"

namespace hosts {

std::string SuiteVersion() { return platform::Resources().loadString(IDS_SUITE_VERSION); }
std::string PackageDescription() { return platform::Resources().loadString(IDS_PACKAGE_DESCRIPTION); }
std::string EditionTitle() { return platform::Resources().loadString(IDS_EDITION_TITLE); }

}  // namespace hosts
