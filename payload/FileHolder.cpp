#include <cstring>
#include <iterator>
#include <new>

#include "payload/FolderMaker.h"
#include "payload/InstTypes.h"
#include "payload/PayloadConsts.h"
#include "platform/Files.h"
#include "rtl/Backslash.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Int32Size.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streams.h"

namespace payload {

namespace {

TFileHolder& AsHolder(rtl::TPersistent& o) { return static_cast<TFileHolder&>(o); }
const TFileHolder& AsHolder(const rtl::TPersistent& o) { return static_cast<const TFileHolder&>(o); }

// An error about the item's content, in the form the reader gives errors of its properties.
[[noreturn]] void DataError(const std::string& message) {
    throw rtl::EReadError(rtl::Format(rtl::consts::SPropertyReadError, "TFileHolder", ".", "Data", message));
}

// Attributes by which an existing file refuses to be replaced: a read-only file cannot be
// replaced at all, a hidden or system one not by every means.
constexpr uint32_t ProtectingAttributes = platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System;

// Takes the protecting attributes off an existing destination (a second installation meets the
// read-only files of the first), and puts them back unless the file was replaced, so that a
// failed write (a full volume, a file in use) leaves it as it was.
class UnprotectedDestination {
public:
    explicit UnprotectedDestination(const std::string& path) : path_(path) {
        platform::FileApi& files = platform::Files();
        const uint32_t attributes = files.getAttributes(path);
        if (attributes == platform::attr::Invalid || (attributes & platform::attr::Directory) ||
            !(attributes & ProtectingAttributes))
            return;
        if (files.setAttributes(path, attributes & ~ProtectingAttributes)) saved_ = attributes;
    }
    ~UnprotectedDestination() {
        if (saved_ != platform::attr::Invalid) platform::Files().setAttributes(path_, saved_);
    }
    UnprotectedDestination(const UnprotectedDestination&) = delete;
    UnprotectedDestination& operator=(const UnprotectedDestination&) = delete;
    void Replaced() { saved_ = platform::attr::Invalid; }

private:
    const std::string& path_;
    uint32_t saved_ = platform::attr::Invalid;
};

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
                throw rtl::EReadError(rtl::Format(consts::SDataSizeMismatch, length, Size));
            if (block.LendBytes(Size, &Content)) return;
            std::vector<uint8_t> copy(static_cast<size_t>(Size));
            block.ReadBuffer(copy.data(), Size);
            Content = std::move(copy);
        },
        // Items hold exactly Size bytes (the reader and the scan see to it), so the block is Size long.
        [this](rtl::TStream& block) {
            try {
                block.WriteBuffer(Content.data(), rtl::Int32Size(Content.size()));
            } catch (const std::bad_alloc&) {
                throw rtl::EWriteError(rtl::Format(consts::SWriteOutOfMemory, Name, Size));
            }
        },
        !Content.empty());
}

void TFileHolder::AfterRead() {
    if (Content.size() == static_cast<size_t>(Size)) return;
    if (Content.empty()) DataError(rtl::Format(consts::SDataMissing, Size));
    DataError(rtl::Format(consts::SDataSizeMismatch, static_cast<int64_t>(Content.size()), Size));
}

void TFileHolder::WriteToDisk(const std::string& path) const {
    FolderMaker folders;
    WriteToDisk(path, folders);
}

void TFileHolder::WriteToDisk(const std::string& path, FolderMaker& folders) const {
    platform::FileApi& files = platform::Files();
    UnprotectedDestination destination(path);
    folders.Force(rtl::FolderPart(path));
    // The new content is complete beside the destination before it takes its place: a full
    // volume or a file in use leaves the earlier file as it was.
    rtl::TPendingFile pending(path);
    pending.Stream().WriteBuffer(Content.data(), rtl::Int32Size(Content.size()));
    files.setLastWriteDosTime(pending.Stream().Handle(), static_cast<uint32_t>(Age));  // fails for an unknown Age
    pending.Commit();
    destination.Replaced();
    // After creation, always: not every file system keeps attributes given to CreateFileA.
    files.setAttributes(path, static_cast<uint32_t>(Attr));  // a failure is ignored, as for the time
}

}  // namespace payload
