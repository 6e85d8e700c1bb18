// The record of installation runs and the removal's work on it, in-process on the real registry
// and files: the cases that a run through the windows would show only at great cost. Warning
// boxes are recorded, never shown.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <functional>

#include "hosts/HostSelection.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/Seam.h"
#include "removal/RemovalRecord.h"
#include "removal/RunRecorder.h"
#include "removal/TakeBack.h"
#include "rtl/Exceptions.h"
#include "tests/hosts/RegistryFixture.h"
#include "tests/support/TempDir.h"

namespace {

using platform::RegRoot;
using namespace test;

constexpr uint32_t Sz = REG_SZ, ExpandSz = REG_EXPAND_SZ;

// Another user's hive below HKEY_USERS, as the removal meets it when someone else starts it.
constexpr char OtherUser[] = "S-1-5-21-1111-2222-3333-1001";
const std::string LibraryKey = "Software\\Borland\\Delphi\\6.0\\Library";

std::string Z(const std::string& text) { return text + '\0'; }

class TakeBackTest : public HostRegistryTest {
protected:
    ~TakeBackTest() override { RawDeleteTree(RegRoot::Users, OtherUser); }
    TempDir temp;
};

TEST_F(TakeBackTest, RemovesOnlyTheSuitesEntryFromAValueChangedSinceInTheHiveItWentTo) {
    const std::string hive = std::string(OtherUser) + "\\" + LibraryKey;
    // A hand-made entry equal to the suite's stands first; the installation appended its own, and
    // the user added one more since.
    RawSet(RegRoot::Users, hive, "Search Path", ExpandSz, Z("C:\\K\\Lib;%BDS%\\Lib;C:\\K\\Lib;D:\\New;"));
    removal::TRemovalRecord record;
    removal::TRegistryEdit& edit = record.AddRegistryEdit(OtherUser, LibraryKey, "Search Path");
    edit.Entry = "c:\\k\\LIB";
    edit.OriginalType = ExpandSz;
    edit.Original = Z("C:\\K\\Lib;%BDS%\\Lib;");
    edit.LeftType = Sz;
    edit.Left = Z("C:\\K\\Lib;%BDS%\\Lib;C:\\K\\Lib");

    EXPECT_TRUE(removal::TakeBack(record));
    const auto value = RawGet(RegRoot::Users, hive, "Search Path");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, ExpandSz);
    EXPECT_EQ(value->data, Z("C:\\K\\Lib;%BDS%\\Lib;D:\\New;"));
    EXPECT_EQ(record.RegistryEdits.Count(), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TakeBackTest, TakesOnlyTheIncludeLineOutOfContentsChangedSinceAndLeavesALineThatWasThere) {
    const std::string added = temp.Path() + "\\delphi6.cnt", found = temp.Path() + "\\bcb6.cnt";
    // Edited since in another program, which wrote bare line feeds and the line in capitals.
    WriteWholeFile(added, ":Base delphi6.hlp\n:INCLUDE KVD6.CNT\n:Include mine.cnt\r\n1 Start");
    WriteWholeFile(found, ":Include kvc6.cnt\r\n:Include other.cnt\r\n");
    removal::TRemovalRecord record;
    removal::TFileEdit& ours = record.AddFileEdit(added);
    ours.Line = ":Include kvd6.cnt";
    ours.LineAdded = true;
    ours.OriginalKnown = true;
    ours.Original = ":Base delphi6.hlp\n";
    ours.Left = ":Base delphi6.hlp\r\n:Include kvd6.cnt\r\n";
    removal::TFileEdit& theirs = record.AddFileEdit(found);
    theirs.Line = ":Include kvc6.cnt";
    theirs.Left = ":Include kvc6.cnt\r\n";

    EXPECT_TRUE(removal::TakeBack(record));
    EXPECT_EQ(ReadWholeFile(added), ":Base delphi6.hlp\n:Include mine.cnt\r\n1 Start");
    EXPECT_EQ(ReadWholeFile(found), ":Include kvc6.cnt\r\n:Include other.cnt\r\n");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TakeBackTest, KeepsWhatCouldNotBeTakenBackAndSaysWhy) {
    const std::string contents = temp.Path() + "\\delphi6.cnt";
    WriteWholeFile(contents, ":Include kvd6.cnt\r\n");
    ASSERT_TRUE(SetFileAttributesA(contents.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string readOnly = temp.Path() + "\\Korvane\\Sources\\KvDefs.inc";
    MakeFolders(temp.Path() + "\\Korvane\\Sources");
    WriteWholeFile(readOnly, "{$R-}");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    removal::TRemovalRecord record;
    record.AddInstallFolder(temp.Path() + "\\Korvane");
    record.AddFile(readOnly);
    removal::TFileEdit& edit = record.AddFileEdit(contents);
    edit.Line = ":Include kvd6.cnt";
    edit.LineAdded = edit.OriginalKnown = true;
    edit.Left = ":Include kvd6.cnt\r\n";
    // The hive of a user who is not logged on is not below HKEY_USERS.
    record.AddRegistryEdit(OtherUser, LibraryKey, "Search Path").Entry = "C:\\K\\Lib";

    EXPECT_FALSE(removal::TakeBack(record));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, std::string("Unable to write to registry:\r\nHKEY_USERS\\") + OtherUser + "\\" + LibraryKey);
    EXPECT_EQ(boxes[1].text, "Cannot create file " + contents);
    EXPECT_EQ(boxes[1].caption, "Warning");
    EXPECT_EQ(ReadWholeFile(contents), ":Include kvd6.cnt\r\n");
    EXPECT_EQ(record.RegistryEdits.Count(), 1);
    EXPECT_EQ(record.FileEdits.Count(), 1);
    // The read-only file of the record goes all the same, and its folders with it.
    EXPECT_EQ(GetFileAttributesA((temp.Path() + "\\Korvane").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(record.Files.Count(), 0);
    SetFileAttributesA(contents.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Installation runs of Delphi 4 whose steps are stand-ins, recorded by the real recorder into the
// real folder below Program Files; this program carries a stand-in uninstaller.
class RecorderTest : public HostRegistryTest {
protected:
    RecorderTest()
        : uninstaller_(platform::Resources().findOwnRcData,
                       [this](const std::string& name, platform::ResourceBytes* bytes) {
                           if (name != "UNINSTALL") return uninstaller_.Original()(name, bytes);
                           bytes->data = reinterpret_cast<const uint8_t*>(UninstallerBytes);
                           bytes->size = sizeof UninstallerBytes - 1;
                           return true;
                       }) {
        hosts::InstallPath = temp.Path() + "\\Korvane";
        hosts::HostRootPath = temp.Path() + "\\Delphi4";
        RemoveTraces();
    }
    ~RecorderTest() override { RemoveTraces(); }

    static std::string Folder() {
        char programFiles[MAX_PATH];
        SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programFiles);
        return std::string(programFiles) + "\\Maltrow Software\\Korvane\\Delphi 4";
    }
    static void RemoveTraces() {
        RemoveTree(Folder());
        RawDeleteTree(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvane Delphi 4");
    }
    // The search path as a step of the run leaves it.
    static std::function<void()> Writes(const std::string& text) {
        return [text] { RawSet(RegRoot::CurrentUser, Library, "Search Path", Sz, Z(text)); };
    }
    static removal::TRegistryEdit& SearchPathEdit(removal::TRemovalRecord& record) {
        EXPECT_EQ(record.RegistryEdits.Count(), 1);
        return record.RegistryEdits.At(0);
    }
    void LoadRecord(removal::TRemovalRecord& record) const { record.LoadFromFile(Folder() + "\\uninstall.dat"); }

    static constexpr char UninstallerBytes[] = "MZ a stand-in uninstaller";
    static inline const std::string Library = "Software\\Borland\\Delphi\\4.0\\Library";
    TempDir temp;

private:
    platform::ScopedOverride<decltype(platform::ResourceApi::findOwnRcData)> uninstaller_;
};

TEST_F(RecorderTest, KeepsTheFirstValueUntilSomeoneElseChangesItAndKeepsEarlierItems) {
    RawSet(RegRoot::CurrentUser, Library, "Search Path", ExpandSz, Z("%BDS%\\Lib;"));
    {
        removal::RunRecorder run;
        run.Extraction([&] { run.FileWritten(hosts::InstallPath + "\\readme.txt"); });
        run.LibraryPath(Writes("%BDS%\\Lib;A\\Lib"));
    }
    EXPECT_EQ(ReadWholeFile(Folder() + "\\uninstall.exe"), UninstallerBytes);
    {
        removal::RunRecorder again;
        again.LibraryPath(Writes("%BDS%\\Lib;B\\Lib"));
    }
    removal::TRemovalRecord record;
    LoadRecord(record);
    EXPECT_EQ(record.Host, "Delphi 4");
    EXPECT_EQ(record.Files.Lines(), std::vector<std::string>{hosts::InstallPath + "\\readme.txt"});
    EXPECT_EQ(SearchPathEdit(record).OriginalType, static_cast<int32_t>(ExpandSz));
    EXPECT_EQ(SearchPathEdit(record).Original, Z("%BDS%\\Lib;"));
    EXPECT_EQ(SearchPathEdit(record).Left, Z("%BDS%\\Lib;B\\Lib"));

    // Changed by hand between two installations: what it was before the first is lost.
    RawSet(RegRoot::CurrentUser, Library, "Search Path", Sz, Z("%BDS%\\Lib;B\\Lib;Mine"));
    {
        removal::RunRecorder third;
        third.LibraryPath(Writes("%BDS%\\Lib;Mine;C\\Lib"));
    }
    removal::TRemovalRecord changed;
    LoadRecord(changed);
    EXPECT_EQ(SearchPathEdit(changed).OriginalType, removal::UnknownType);
    EXPECT_EQ(SearchPathEdit(changed).Left, Z("%BDS%\\Lib;Mine;C\\Lib"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RecorderTest, RecordsWhatAStepChangedBeforeItFailed) {
    RawSet(RegRoot::CurrentUser, Library, "Search Path", Sz, Z("%BDS%\\Lib"));
    {
        removal::RunRecorder run;
        EXPECT_THROW(run.LibraryPath([] {
            Writes("%BDS%\\Lib;A\\Lib")();
            throw rtl::ERegistryException("Failed to set data for 'Search Path'");
        }),
                     rtl::ERegistryException);
    }
    removal::TRemovalRecord record;
    LoadRecord(record);
    EXPECT_EQ(SearchPathEdit(record).Left, Z("%BDS%\\Lib;A\\Lib"));
}

TEST_F(RecorderTest, AnUninstallerThatCannotBeWrittenIsSaidOnceAndTheRunGoesOn) {
    const auto create = platform::Files().createFile;
    auto refuse = Override(platform::Files().createFile, [create](const std::string& path, uint32_t access, uint32_t share,
                                                                 uint32_t disposition, uint32_t attributes) {
        if (path.find("uninstall.exe") != std::string::npos) return platform::InvalidHandle;
        return create(path, access, share, disposition, attributes);
    });
    bool ran = false;
    {
        removal::RunRecorder run;
        run.LibraryPath([&] { ran = true; });
        run.Compilation([] {});
    }
    EXPECT_TRUE(ran);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to write the uninstaller:\r\nCannot create file " + Folder() + "\\uninstall.exe");
    EXPECT_EQ(boxes[0].caption, "Warning");
}

}  // namespace
