#include "hosts/UserSettings.h"

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "rtl/Registry.h"

namespace hosts {
namespace {

bool KeyExists(const std::string& path) {
    rtl::TRegistry reg;
    return reg.OpenKey(path, false);
}

}  // namespace

std::string LibraryKeyPath(const HostInfo& host) {
    return msg::BorlandUserKey + std::string(host.HostRegistryKey) + msg::LibrarySubKey;
}

std::string KnownPackagesKeyPath(const HostInfo& host) {
    return msg::BorlandUserKey + std::string(host.HostRegistryKey) + msg::KnownPackagesSubKey;
}

bool HostStartedByUser() {
    const HostInfo& host = SelectedHost();
    return KeyExists(LibraryKeyPath(host)) && KeyExists(KnownPackagesKeyPath(host));
}

}  // namespace hosts
