#include "removal/UninstallEntry.h"

#include "hosts/SuiteConstants.h"
#include "platform/Files.h"
#include "removal/RemovalPlace.h"
#include "removal/RemovalTexts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Registry.h"

namespace removal {
namespace {

[[noreturn]] void Unwritable(const std::string& key) {
    throw rtl::ERegistryException(rtl::Format(texts::UnableToWriteRegistry, key));
}

uint64_t FileSize(const std::string& path) {
    auto& files = platform::Files();
    platform::FindData found;
    const platform::Handle h = files.findFirst(path, &found);
    if (h == platform::InvalidHandle || h == nullptr) return 0;
    files.findClose(h);
    return (found.attributes & platform::attr::Directory) ? 0 : found.size;
}

}  // namespace

void WriteEntry(const EntryValues& values) {
    const std::string key = EntryKey(values.hostName);
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    if (!reg.OpenKey(key, true)) Unwritable(key);
    reg.WriteString(texts::DisplayName, rtl::Format(texts::DisplayNameFormat, values.hostName));
    reg.WriteString(texts::DisplayVersion, hosts::SuiteVersion());
    reg.WriteString(texts::Publisher, texts::PublisherName);
    reg.WriteString(texts::InstallLocation, values.installFolder);
    reg.WriteString(texts::UninstallString, rtl::Format(texts::UninstallStringFormat, values.uninstaller));
    reg.WriteString(texts::DisplayIcon, rtl::Format(texts::DisplayIconFormat, values.uninstaller));
    reg.WriteInteger(texts::NoModify, 1);
    reg.WriteInteger(texts::NoRepair, 1);
    reg.WriteInteger(texts::EstimatedSize, values.sizeKiB);
}

void UpdateEntrySize(const std::string& hostName, uint32_t sizeKiB) {
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    if (reg.OpenKey(EntryKey(hostName), false)) reg.WriteInteger(texts::EstimatedSize, sizeKiB);
}

void DeleteEntry(const std::string& hostName) {
    const std::string key = EntryKey(hostName);
    rtl::TRegistry reg(platform::RegRoot::LocalMachine);
    if (!reg.OpenKey(key, false)) return;
    reg.CloseKey();
    if (!reg.DeleteKey(key)) Unwritable(key);
}

uint32_t SizeKiB(const std::vector<std::string>& files) {
    uint64_t bytes = 0;
    for (const std::string& file : files) bytes += FileSize(file);
    return static_cast<uint32_t>((bytes + 1023) / 1024);
}

}  // namespace removal
