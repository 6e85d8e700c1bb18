#include <cstring>
#include <iterator>

#include "payload/InstTypes.h"
#include "payload/PayloadConsts.h"
#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streams.h"

namespace payload {

namespace {

TFileHolder& AsHolder(rtl::TPersistent& o) { return static_cast<TFileHolder&>(o); }
const TFileHolder& AsHolder(const rtl::TPersistent& o) { return static_cast<const TFileHolder&>(o); }

// An error about the item's content, in the form the reader gives errors of its properties.
[[noreturn]] void DataError(const std::string& message) {
    throw rtl::EReadError(rtl::Format(rtl::consts::SPropertyReadError, "TFileHolder", ".", "Data", message));
}

bool FolderExists(const std::string& path) {
    uint32_t a = platform::Files().getAttributes(path);
    return a != platform::attr::Invalid && (a & platform::attr::Directory);
}

// The folder part of a path, up to and with its last backslash.
std::string FilePath(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

// Creates folder with every missing folder above it. Failures show when the file is created.
void ForceFolders(std::string folder) {
    std::vector<std::string> missing;  // deepest first; a loop, as a name can hold many levels
    for (;;) {
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        if (folder.size() < 3 || FolderExists(folder) || FilePath(folder) == folder) break;
        missing.push_back(folder);
        folder = FilePath(folder);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) platform::Files().createDirectory(*it);
}

}  // namespace

TFileHolder::TFileHolder(TFileCollection* collection) : rtl::TCollectionItem(collection) {}

const rtl::PropertyTable* TFileHolder::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::StringProperty(
            "Name", [](const rtl::TPersistent& o) { return AsHolder(o).Name; },
            [](rtl::TPersistent& o, const std::string& v) { AsHolder(o).Name = v; }),
        rtl::IntegerProperty("Age", rtl::GetIntegerField<TFileHolder, &TFileHolder::Age>,
                             rtl::SetIntegerField<TFileHolder, &TFileHolder::Age>),
        rtl::IntegerProperty("Size", rtl::GetIntegerField<TFileHolder, &TFileHolder::Size>,
                             [](rtl::TPersistent& o, int32_t v) {
                                 if (v < 0) throw rtl::EReadError(rtl::consts::SInvalidPropertyValue);
                                 AsHolder(o).Size = v;
                                 AsHolder(o).sizeRead_ = true;
                             }),
        rtl::IntegerProperty("Attr", rtl::GetIntegerField<TFileHolder, &TFileHolder::Attr>,
                             rtl::SetIntegerField<TFileHolder, &TFileHolder::Attr>),
    };
    static const rtl::PropertyTable table = {nullptr, properties, std::size(properties)};
    return &table;
}

void TFileHolder::DefineProperties(rtl::TPropertyDefiner& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](rtl::TStream& block) {
            int64_t length = block.Size();
            if (!sizeRead_) throw rtl::EReadError(consts::SDataBeforeSize);
            if (length != Size)
                throw rtl::EReadError(rtl::Format(consts::SDataSizeMismatch, static_cast<int32_t>(length), Size));
            Content.resize(static_cast<size_t>(Size));
            block.ReadBuffer(Content.data(), Size);
        },
        // Items hold exactly Size bytes (the reader and the scan see to it), so the block is Size long.
        [this](rtl::TStream& block) { block.WriteBuffer(Content.data(), static_cast<int32_t>(Content.size())); },
        !Content.empty());
}

void TFileHolder::AfterRead() {
    if (Content.size() == static_cast<size_t>(Size)) return;
    if (Content.empty()) DataError(rtl::Format(consts::SDataMissing, Size));
    DataError(rtl::Format(consts::SDataSizeMismatch, static_cast<int32_t>(Content.size()), Size));
}

void TFileHolder::WriteToDisk(const std::string& path) const {
    platform::FileApi& files = platform::Files();
    files.deleteFile(path);  // a read-only or busy file stays, and creating it fails below
    ForceFolders(FilePath(path));
    rtl::TFileStream file(path, rtl::FileMode::Create);
    file.WriteBuffer(Content.data(), static_cast<int32_t>(Content.size()));
    files.setLastWriteDosTime(file.Handle(), static_cast<uint32_t>(Age));  // fails for an unknown Age
    files.setAttributes(path, static_cast<uint32_t>(Attr));
}

}  // namespace payload
