#include <cstring>
#include <iterator>

#include "payload/FolderMaker.h"
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

// What CreateFileA sets on a new file by itself: a file whose attributes are no more than these,
// archive among them (a new file always gets it), needs no SetFileAttributesA after creation.
constexpr uint32_t CreationAttributes =
    platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System | platform::attr::Archive;

bool CreationSetsAll(uint32_t attributes) {
    return (attributes & ~CreationAttributes) == 0 && (attributes & platform::attr::Archive) != 0;
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
            if (block.LendBytes(Size, &Content)) return;
            std::vector<uint8_t> copy(static_cast<size_t>(Size));
            block.ReadBuffer(copy.data(), Size);
            Content = std::move(copy);
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
    FolderMaker folders;
    WriteToDisk(path, folders);
}

void TFileHolder::WriteToDisk(const std::string& path, FolderMaker& folders) const {
    platform::FileApi& files = platform::Files();
    files.deleteFile(path);  // a read-only or busy file stays, and creating it fails below
    folders.Force(path.substr(0, path.rfind('\\') + 1));
    const auto attributes = static_cast<uint32_t>(Attr);
    const bool atCreation = CreationSetsAll(attributes);
    rtl::TFileStream file(path, rtl::FileMode::Create, atCreation ? attributes : platform::attr::Normal);
    file.WriteBuffer(Content.data(), static_cast<int32_t>(Content.size()));
    files.setLastWriteDosTime(file.Handle(), static_cast<uint32_t>(Age));  // fails for an unknown Age
    if (!atCreation) files.setAttributes(path, attributes);  // a failure is ignored, as for the time
}

}  // namespace payload
