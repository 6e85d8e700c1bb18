#pragma once
// Binding a payload into a built installer: a copy of the installer whose INSTALL_DATA resource
// is the given component stream, every other resource unchanged. The same for the uninstaller
// that it carries as UNINSTALL, which a release signs before binding it back.
#include <string>

#include "rtl/SharedBytes.h"

namespace kvpack {

struct BindResult {
    int files = 0;
    int licenseLines = 0;
};

// Reads the stream with the installer's own reader first and checks the template (an unsigned
// executable with the payload and the wizard's window descriptions); then writes outFile beside
// itself under a temporary name, updates its resources, reads them back, and puts it in place in
// one step. Any failure raises its message and leaves outFile as it was; templateFile is only read.
BindResult BindPayload(const std::string& templateFile, const rtl::SharedBytes& stream, const std::string& outFile);
// The same with the program uninstallerFile (a Windows executable) as the template's uninstaller.
void BindUninstaller(const std::string& templateFile, const std::string& uninstallerFile, const std::string& outFile);
// The uninstaller that an installer carries, where it lies in a mapping of the file.
rtl::SharedBytes CarriedUninstaller(const std::string& installerFile);

}  // namespace kvpack
