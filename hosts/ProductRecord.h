#pragma once
// Host detection, the permission probe, the product registry record and the installer's warnings.
#include <string>
#include <vector>

namespace hosts {

// HKLM\SOFTWARE\Borland\<HostRegistryKey> "RootDir" of the selected host; empty when not found.
std::string ReadHostRootDir();
// Whether a key can be created below HKLM\SOFTWARE; never raises.
bool HasMachineRegistryAccess();
// HKLM\SOFTWARE\Maltrow Software\Korvane\<host> value; empty when key or value is absent.
std::string ReadProductValue(const std::string& name, const std::string& host);
// Writes it as REG_SZ, or warns "Unable to write to registry:\r\n<key path>" and goes on.
void WriteProductValue(const std::string& name, const std::string& data, const std::string& host);
// The recorded "Version" of the selected host sorts before or equal to SuiteVersion.
bool InstalledVersionNotNewer();
// A modal "Warning" box with an exclamation icon and one OK button.
void ShowWarning(const std::string& format, const std::vector<std::string>& args);

}  // namespace hosts
