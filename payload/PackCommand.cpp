#include "payload/PackCommand.h"

#include <memory>

#include "payload/InstTypes.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streaming.h"

namespace payload {

namespace {
constexpr char ResourceName[] = "install_data";

std::unique_ptr<TInstallerData> ReadFromDisk(rtl::TComponent* owner, const std::string& dataFolder,
                                             const std::string& licenseFile) {
    auto data = std::make_unique<TInstallerData>(owner);
    data->Files().RootFolder = dataFolder;
    data->License().LoadFromFile(licenseFile);
    data->Files().ScanRootFolder();
    // A name that the installer would refuse to extract stops the packing, not the user's installation.
    data->Files().CheckNames();
    return data;
}

}  // namespace

PackResult PackPayload(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                       const std::string& resourceFile) {
    const auto data = ReadFromDisk(owner, dataFolder, licenseFile);
    rtl::ReplaceFileContents(resourceFile, [&data](rtl::TStream& file) { rtl::WriteResourceFile(file, ResourceName, *data); });
    return {data->Files().Count(), data->License().Count()};
}

PackResult PackPayloadStream(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                             std::vector<uint8_t>* stream) {
    const auto data = ReadFromDisk(owner, dataFolder, licenseFile);
    rtl::TMemoryStream memory;
    rtl::WriteComponentStream(memory, *data);
    *stream = memory.TakeBytes();
    return {data->Files().Count(), data->License().Count()};
}

}  // namespace payload
