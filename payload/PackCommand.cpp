#include "payload/PackCommand.h"

#include <memory>

#include "payload/InstTypes.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streaming.h"

namespace payload {

namespace {
constexpr char ResourceName[] = "install_data";
}  // namespace

PackResult PackPayload(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                       const std::string& resourceFile) {
    auto data = std::make_unique<TInstallerData>(owner);
    data->Files().RootFolder = dataFolder;
    data->License().LoadFromFile(licenseFile);
    data->Files().ScanRootFolder();
    rtl::ReplaceFileContents(resourceFile, [&data](rtl::TStream& file) { rtl::WriteResourceFile(file, ResourceName, *data); });
    return {data->Files().Count(), data->License().Count()};
}

}  // namespace payload
