#include "removal/RemovalPlace.h"

#include "platform/Files.h"
#include "removal/RemovalTexts.h"
#include "rtl/Paths.h"

namespace removal {
namespace {

std::string InProgramFiles(const std::string& name) {
    const std::string programFiles = rtl::StripTrailingBackslash(platform::Files().getProgramFilesFolder());
    return programFiles.empty() ? "" : rtl::PathInFolder(programFiles, name);
}

}  // namespace

std::string ProductFolder() { return InProgramFiles(texts::ProductFolder); }
std::string HostFolder(const std::string& hostName) { return InProgramFiles(texts::HostFolders + hostName); }
std::string EntryKey(const std::string& hostName) { return texts::EntryKeyPrefix + hostName; }

}  // namespace removal
