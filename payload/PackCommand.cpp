#include "payload/PackCommand.h"

#include <algorithm>
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

bool BeyondAscii(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
}

PackResult Summary(const TInstallerData& data) {
    PackResult result;
    result.files = data.Files().Count();
    result.licenseLines = data.License().Count();
    for (int i = 0; i < data.Files().Count(); ++i)
        if (BeyondAscii(data.Files().Item(i).Name)) result.codePageNames.push_back(data.Files().Item(i).Name);
    for (int i = 0; i < data.License().Count(); ++i)
        if (BeyondAscii(data.License()[i])) result.codePageLicenseLines.push_back(i + 1);
    return result;
}

}  // namespace

PackResult PackPayload(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                       const std::string& resourceFile) {
    const auto data = ReadFromDisk(owner, dataFolder, licenseFile);
    rtl::ReplaceFileContents(resourceFile, [&data](rtl::TStream& file) { rtl::WriteResourceFile(file, ResourceName, *data); });
    return Summary(*data);
}

PackResult PackPayloadStream(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                             std::vector<uint8_t>* stream) {
    const auto data = ReadFromDisk(owner, dataFolder, licenseFile);
    rtl::TMemoryStream memory;
    rtl::WriteComponentStream(memory, *data);
    *stream = memory.TakeBytes();
    return Summary(*data);
}

}  // namespace payload
