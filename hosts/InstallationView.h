#pragma once
// What the integration steps tell the wizard window: the installed help file and the outcome of
// the compilation. The wizard window implements it; tests record the calls.
#include <string>

namespace hosts {

enum class CheckState { Unchecked, Checked, Grayed };

class IInstallationView {
public:
    virtual ~IInstallationView() = default;
    virtual void SetInstalledHelpFile(const std::string& path) = 0;  // InstalledHelpFile
    virtual void SetCompilingState(CheckState state) = 0;            // cbCompiling
};

}  // namespace hosts
