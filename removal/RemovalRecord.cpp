#include "removal/RemovalRecord.h"

#include <iterator>

#include "rtl/ReplaceFile.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"
#include "rtl/TextRules.h"

namespace removal {
namespace {

template <class T>
T& As(rtl::TPersistent& o) { return static_cast<T&>(o); }
template <class T>
const T& As(const rtl::TPersistent& o) { return static_cast<const T&>(o); }

// A string field as a stored property.
template <class T, std::string T::*Field>
constexpr rtl::PropertyInfo Text(const char* name) {
    return rtl::StringProperty(
        name, [](const rtl::TPersistent& o) { return As<T>(o).*Field; },
        [](rtl::TPersistent& o, const std::string& v) { As<T>(o).*Field = v; });
}
template <class T, int32_t T::*Field>
constexpr rtl::PropertyInfo Number(const char* name) {
    return rtl::IntegerProperty(name, rtl::GetIntegerField<T, Field>, rtl::SetIntegerField<T, Field>);
}
template <class T, bool T::*Field>
constexpr rtl::PropertyInfo Flag(const char* name) {
    return rtl::BooleanProperty(name, rtl::GetBoolField<T, Field>, rtl::SetBoolField<T, Field>, false);
}

}  // namespace

const rtl::PropertyTable* TRegistryEdit::StoredProperties() const {
    using E = TRegistryEdit;
    static const rtl::PropertyInfo properties[] = {
        Text<E, &E::Sid>("Sid"),           Text<E, &E::Key>("Key"),
        Text<E, &E::Value>("Value"),       Text<E, &E::Entry>("Entry"),
        Number<E, &E::OriginalType>("OriginalType"), Text<E, &E::Original>("Original"),
        Number<E, &E::LeftType>("LeftType"),         Text<E, &E::Left>("Left"),
    };
    static const rtl::PropertyTable table = {nullptr, properties, std::size(properties)};
    return &table;
}

const rtl::PropertyTable* TFileEdit::StoredProperties() const {
    using E = TFileEdit;
    static const rtl::PropertyInfo properties[] = {
        Text<E, &E::FileName>("FileName"),          Text<E, &E::Line>("Line"),
        Flag<E, &E::LineAdded>("LineAdded"),        Flag<E, &E::OriginalKnown>("OriginalKnown"),
        Text<E, &E::Original>("Original"),          Text<E, &E::Left>("Left"),
    };
    static const rtl::PropertyTable table = {nullptr, properties, std::size(properties)};
    return &table;
}

TRemovalRecord::TRemovalRecord()
    : rtl::TComponent(nullptr), installFoldersProperties_(InstallFolders), filesProperties_(Files) {}

const rtl::PropertyTable* TRemovalRecord::StoredProperties() const {
    using R = TRemovalRecord;
    static const rtl::PropertyInfo properties[] = {
        Text<R, &R::Host>("Host"),
        Text<R, &R::ProductKey>("ProductKey"),
        rtl::ObjectProperty("InstallFolders",
                            [](rtl::TPersistent& o) -> rtl::TPersistent* { return &As<R>(o).installFoldersProperties_; }),
        rtl::ObjectProperty("Files", [](rtl::TPersistent& o) -> rtl::TPersistent* { return &As<R>(o).filesProperties_; }),
        rtl::ObjectProperty("RegistryEdits", [](rtl::TPersistent& o) -> rtl::TPersistent* { return &As<R>(o).RegistryEdits; }),
        rtl::ObjectProperty("FileEdits", [](rtl::TPersistent& o) -> rtl::TPersistent* { return &As<R>(o).FileEdits; }),
        rtl::IntegerProperty("WaitFor", rtl::GetIntegerField<R, &R::WaitFor>, rtl::SetIntegerField<R, &R::WaitFor>, 0),
    };
    static const rtl::PropertyTable table = {rtl::TComponent::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TRemovalRecord::AddInstallFolder(const std::string& folder) {
    if (InstallFolders.IndexOf(folder) < 0) InstallFolders.Add(folder);
}

void TRemovalRecord::AddFile(const std::string& path) {
    if (Files.IndexOf(path) < 0) Files.Add(path);
}

TRegistryEdit* TRemovalRecord::FindRegistryEdit(const std::string& sid, const std::string& key,
                                                const std::string& value) const {
    for (int i = 0; i < RegistryEdits.Count(); ++i) {
        TRegistryEdit& edit = RegistryEdits.At(i);
        if (rtl::SameText(edit.Sid, sid) && rtl::SameText(edit.Key, key) && rtl::SameText(edit.Value, value)) return &edit;
    }
    return nullptr;
}

TRegistryEdit& TRemovalRecord::AddRegistryEdit(const std::string& sid, const std::string& key, const std::string& value) {
    TRegistryEdit& edit = RegistryEdits.Add();
    edit.Sid = sid;
    edit.Key = key;
    edit.Value = value;
    return edit;
}

TFileEdit* TRemovalRecord::FindFileEdit(const std::string& fileName) const {
    for (int i = 0; i < FileEdits.Count(); ++i)
        if (rtl::SameText(FileEdits.At(i).FileName, fileName)) return &FileEdits.At(i);
    return nullptr;
}

TFileEdit& TRemovalRecord::AddFileEdit(const std::string& fileName) {
    TFileEdit& edit = FileEdits.Add();
    edit.FileName = fileName;
    return edit;
}

void TRemovalRecord::Clear() {
    Host.clear();
    ProductKey.clear();
    InstallFolders.Clear();
    Files.Clear();
    RegistryEdits.Clear();
    FileEdits.Clear();
    WaitFor = 0;
}

void TRemovalRecord::LoadFromFile(const std::string& path) {
    rtl::TFileStream file(path, rtl::FileMode::OpenReadShared);
    rtl::ReadComponentStream(file, *this);
}

void TRemovalRecord::SaveToFile(const std::string& path) const {
    rtl::ReplaceFileContents(path, [this](rtl::TStream& file) { rtl::WriteComponentStream(file, *this); });
}

}  // namespace removal
