#pragma once
// What the installations into one IDE changed, so that the removal can take it back. It is
// kept beside the uninstaller as a component stream of class TRemovalRecord, written anew as each
// step of an installation run completes. An installation into the same IDE keeps what the earlier
// record lists and adds what it changes itself.
#include <cstdint>
#include <memory>
#include <string>

#include "rtl/Collection.h"
#include "rtl/Component.h"
#include "rtl/Registry.h"
#include "rtl/StringList.h"
#include "rtl/StringListProperties.h"

namespace removal {

// Whole contents of a value or file before the first installation that are no longer known:
// someone changed them between two installations, so they cannot be put back as they were.
inline constexpr int32_t UnknownType = -1;

// A value in a user's hive that an installation changed: the suite's entry within a list of
// entries ("Search Path"), or, with Entry empty, a value that is wholly the suite's (its Known
// Packages registration). Original is the value before the first installation (type None: there
// was none; UnknownType: not known), Left the value as the last installation left it.
class TRegistryEdit : public rtl::TCollectionItem {
public:
    using rtl::TCollectionItem::TCollectionItem;
    const char* ClassName() const override { return "TRegistryEdit"; }
    const rtl::PropertyTable* StoredProperties() const override;

    std::string Sid;    // the hive below HKEY_USERS
    std::string Key;    // below the hive, without a leading backslash
    std::string Value;  // the value's name
    std::string Entry;
    int32_t OriginalType = UnknownType;
    std::string Original;
    int32_t LeftType = 0;
    std::string Left;

    rtl::RegistryValue OriginalValue() const { return {static_cast<uint32_t>(OriginalType), Original}; }
    rtl::RegistryValue LeftValue() const { return {static_cast<uint32_t>(LeftType), Left}; }
};

// A text file of the IDE that an installation changed: the suite's line in it (whether the
// installation added it or found it there), the file's bytes before the first installation
// (when still known) and as the last installation left them.
class TFileEdit : public rtl::TCollectionItem {
public:
    using rtl::TCollectionItem::TCollectionItem;
    const char* ClassName() const override { return "TFileEdit"; }
    const rtl::PropertyTable* StoredProperties() const override;

    std::string FileName;
    std::string Line;
    bool LineAdded = false;
    bool OriginalKnown = false;
    std::string Original;
    std::string Left;
};

template <class Item>
class TEdits : public rtl::TCollection {
public:
    const char* ClassName() const override { return "TCollection"; }
    Item& Add() { return static_cast<Item&>(AddItem()); }
    Item& At(int index) const { return static_cast<Item&>(ItemAt(index)); }

protected:
    std::unique_ptr<rtl::TCollectionItem> CreateItem() override { return std::make_unique<Item>(this); }
};

class TRemovalRecord : public rtl::TComponent {
public:
    TRemovalRecord();
    const char* ClassName() const override { return "TRemovalRecord"; }
    const rtl::PropertyTable* StoredProperties() const override;

    std::string Host;        // HostName of the IDE
    std::string ProductKey;  // the product record's key below HKEY_LOCAL_MACHINE
    // Each installation's folder, or the highest folder above it that the installation made,
    // first installation first: the folders that the removal leaves empty go up to these, and
    // these too.
    rtl::TStringList InstallFolders;
    // Every file an installation wrote: below the install folders, the help pair in the IDE's
    // Help folder, the run-time package in the system folder.
    rtl::TStringList Files;
    TEdits<TRegistryEdit> RegistryEdits;
    TEdits<TFileEdit> FileEdits;
    // Not 0 in the record of the copy that removes the uninstaller once it has ended: the handle
    // to wait on, which the copy inherited.
    int32_t WaitFor = 0;

    // Adds a folder or file once; names compare without regard to case.
    void AddInstallFolder(const std::string& folder);
    void AddFile(const std::string& path);
    // The edit of that value or file (names compare without regard to case); nullptr when the
    // record has none. Add makes a new one.
    TRegistryEdit* FindRegistryEdit(const std::string& sid, const std::string& key, const std::string& value) const;
    TRegistryEdit& AddRegistryEdit(const std::string& sid, const std::string& key, const std::string& value);
    TFileEdit* FindFileEdit(const std::string& fileName) const;
    TFileEdit& AddFileEdit(const std::string& fileName);
    // Lists nothing, as before anything was read (what a failed read left goes).
    void Clear();

    // EFOpenError when it cannot be read, the stream format's errors when it is damaged.
    void LoadFromFile(const std::string& path);
    // All or nothing: a failed write leaves the earlier record as it was.
    void SaveToFile(const std::string& path) const;

private:
    rtl::TStringListProperties installFoldersProperties_;
    rtl::TStringListProperties filesProperties_;
};

}  // namespace removal
