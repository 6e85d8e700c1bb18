#include <iterator>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "rtl/Paths.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"

namespace payload {

TInstallerData* InstallerData = nullptr;

namespace {
inline constexpr char kResourceName[] = "install_data";
}  // namespace

TInstallerData::TInstallerData(rtl::TComponent* owner)
    : rtl::TComponent(owner),
      files_(std::make_unique<TFileCollection>()),
      license_(std::make_unique<rtl::TStringList>()),
      info_(std::make_unique<rtl::TStringList>()),
      licenseProperties_(*license_),
      infoProperties_(*info_) {}

TInstallerData::~TInstallerData() = default;

const rtl::PropertyTable* TInstallerData::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::ObjectProperty("Files",
                            [](rtl::TPersistent& o) -> rtl::TPersistent* { return static_cast<TInstallerData&>(o).files_.get(); }),
        rtl::ObjectProperty("License",
                            [](rtl::TPersistent& o) -> rtl::TPersistent* { return &static_cast<TInstallerData&>(o).licenseProperties_; }),
        rtl::ObjectProperty("Info",
                            [](rtl::TPersistent& o) -> rtl::TPersistent* { return &static_cast<TInstallerData&>(o).infoProperties_; }),
    };
    static const rtl::PropertyTable table = {rtl::TComponent::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TInstallerData::LoadFromResource() { rtl::ReadComponentResource(kResourceName, *this); }

void TInstallerData::SaveToResourceFile(const std::string& fileName) {
    const std::string path = rtl::PathInFolder(rtl::FolderOf(platform::Files().getModuleFileName()), fileName);
    rtl::ReplaceFileContents(path, [this](rtl::TStream& file) { rtl::WriteResourceFile(file, kResourceName, *this); });
}

}  // namespace payload
