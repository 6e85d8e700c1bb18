#include "hosts/ProductRecord.h"

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/SuiteConstants.h"
#include "platform/Ui.h"
#include "rtl/Format.h"
#include "rtl/Registry.h"
#include "rtl/TextRules.h"

namespace hosts {
namespace {

std::string ProductKeyPath(const std::string& host) { return msg::ProductKey + host; }

}  // namespace

std::string ReadHostRootDir() {
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    if (!reg.OpenKey(msg::BorlandMachineKey + std::string(SelectedHost().HostRegistryKey), false)) return "";
    return reg.ReadString(msg::RootDirValue);
}

bool HasMachineRegistryAccess() {
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    reg.OpenKey(msg::ProbeParentKey, false);  // when it fails, the probe key is tried below the root
    if (!reg.CreateKey(msg::ProbeKey)) return false;
    reg.DeleteKey(msg::ProbeKey);
    return true;
}

std::string ReadProductValue(const std::string& name, const std::string& host) {
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    if (!reg.OpenKey(ProductKeyPath(host), false)) return "";
    return reg.ReadString(name);
}

void WriteProductValue(const std::string& name, const std::string& data, const std::string& host) {
    const std::string path = ProductKeyPath(host);
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    if (!reg.OpenKey(path, true)) {
        // Not being able to record the installation is no reason to stop it.
        ShowWarning(msg::UnableToWriteRegistry, {path});
        return;
    }
    reg.WriteString(name, data);
}

bool InstalledVersionNotNewer() {
    const std::string installed = ReadProductValue(msg::VersionValue, SelectedHost().HostName);
    return rtl::CompareText(installed, SuiteVersion()) <= 0;
}

void ShowWarning(const std::string& format, const std::vector<std::string>& args) {
    platform::Ui().messageBox(rtl::FormatList(format, args), msg::WarningCaption,
                              platform::mb::Ok | platform::mb::IconExclamation);
}

}  // namespace hosts
