#pragma once
// The installer data: the payload's files with their names, time stamps, attributes and contents,
// and the licence text. Stored in the executable as one component stream (see rtl/Streaming.h).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rtl/Collection.h"
#include "rtl/Component.h"
#include "rtl/SharedBytes.h"
#include "rtl/StringList.h"
#include "rtl/StringListProperties.h"

namespace payload {

class TFileCollection;
class FolderMaker;

// One file of the payload.
class TFileHolder : public rtl::TCollectionItem {
public:
    explicit TFileHolder(TFileCollection* collection);
    const char* ClassName() const override { return "TFileHolder"; }

    std::string Name;        // \tag\path\below\tag, in the case found on disk
    int32_t Age = -1;        // packed DOS date (high word) and time (low word), local time; -1 unknown
    int32_t Size = 0;        // content length in bytes
    int32_t Attr = 0;        // attribute bits as GetFileAttributesA reports them
    // Exactly Size bytes; empty while Size is 0. Read from memory that outlives the item (the
    // program's resource, a mapped file), it refers to the bytes there; otherwise it owns them.
    rtl::SharedBytes Content;

    // Fills the item from RootFolder + relativeName (packing).
    void ReadFromDisk(const std::string& rootFolder, const std::string& relativeName);
    // Writes the content to path with its time stamp and attributes (extraction).
    void WriteToDisk(const std::string& path) const;
    // The same, creating the folder through folders, which remembers the folders of earlier writes.
    void WriteToDisk(const std::string& path, FolderMaker& folders) const;

    const rtl::PropertyTable* StoredProperties() const override;
    // "Data": the content, written only while the item holds some.
    void DefineProperties(rtl::TPropertyDefiner& filer) override;
    // Refuses an item whose content is not Size bytes long.
    void AfterRead() override;

private:
    bool sizeRead_ = false;  // while reading: "Data" is taken only after "Size"
};

// Called before each file is extracted: the collection, the destination, and a skip flag that is
// false on entry; setting it leaves that file and its folder uncreated.
using ExtractFileEvent = std::function<void(TFileCollection& sender, const std::string& destination, bool& skip)>;

class TFileCollection : public rtl::TCollection {
public:
    const char* ClassName() const override { return "TFileCollection"; }

    TFileHolder& Add() { return static_cast<TFileHolder&>(AddItem()); }
    TFileHolder& Item(int index) const { return static_cast<TFileHolder&>(ItemAt(index)); }

    // True when an item's name, lower-cased, begins with \tag\ (tag lower-cased).
    bool HasFolder(const std::string& tag) const;
    // Writes the files of the tag below RootFolder, in collection order. First checks the stored
    // names of the tag as CheckNames does, before anything is written.
    void ExtractFolder(const std::string& tag);
    // Refuses a payload that extraction would refuse: a stored name that leads outside the folder
    // it is extracted into or names no plain file there (a device such as NUL or COM1, "..", a
    // drive or stream colon). EWriteError "Invalid file name in payload: %s" with the first one.
    void CheckNames() const;
    // Replaces the items by the files found below RootFolder, breadth first.
    void ScanRootFolder();

    ExtractFileEvent OnExtractFile;  // never stored
    std::string RootFolder;          // never stored; no trailing backslash

protected:
    std::unique_ptr<rtl::TCollectionItem> CreateItem() override;
};

class TInstallerData : public rtl::TComponent {
public:
    explicit TInstallerData(rtl::TComponent* owner);
    ~TInstallerData() override;
    const char* ClassName() const override { return "TInstallerData"; }

    TFileCollection& Files() { return *files_; }
    rtl::TStringList& License() { return *license_; }
    rtl::TStringList& Info() { return *info_; }
    const TFileCollection& Files() const { return *files_; }
    const rtl::TStringList& License() const { return *license_; }
    const rtl::TStringList& Info() const { return *info_; }

    // Reads the executable's RCDATA resource "install_data".
    void LoadFromResource();
    // Writes this object as the resource file "install_data" into the executable's folder.
    void SaveToResourceFile(const std::string& fileName);

    const rtl::PropertyTable* StoredProperties() const override;

private:
    // Created in this order and destroyed in the reverse one: Info, License, then Files.
    std::unique_ptr<TFileCollection> files_;
    std::unique_ptr<rtl::TStringList> license_;
    std::unique_ptr<rtl::TStringList> info_;
    // The text lists as the stream sees them: objects with the one custom property "Strings".
    rtl::TStringListProperties licenseProperties_;
    rtl::TStringListProperties infoProperties_;
};

// The one installer data object of the run; owned by the application object.
extern TInstallerData* InstallerData;

}  // namespace payload
