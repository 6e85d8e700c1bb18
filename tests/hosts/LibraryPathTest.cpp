// The root macro, the search path list and the library path step on the real registry.
#include <gtest/gtest.h>

#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/ProductRecord.h"
#include "hosts/SearchPathList.h"
#include "platform/Seam.h"
#include "tests/hosts/RegistryFixture.h"

namespace {

using platform::RegRoot;
using Entries = std::vector<std::string>;
using namespace test;

constexpr int kDelphi6 = 2, kCBuilder5 = 4;

class HostMacro : public HostRegistryTest {};

TEST_F(HostMacro, ReplacesALeadingRootFolderWhateverItsCase) {
    SelectHost(kDelphi6);
    hosts::HostRootPath = "C:\\Program Files\\Borland\\Delphi6";
    EXPECT_EQ(hosts::ApplyHostMacro("c:\\program files\\borland\\delphi6\\Components\\Lib"), "$(DELPHI)\\Components\\Lib");
    EXPECT_EQ(hosts::ApplyHostMacro("D:\\Korvane\\d6\\Lib"), "D:\\Korvane\\d6\\Lib");
    EXPECT_EQ(hosts::ApplyHostMacro("D:\\C:\\Program Files\\Borland\\Delphi6"), "D:\\C:\\Program Files\\Borland\\Delphi6")
        << "only a prefix counts";
    EXPECT_EQ(hosts::ApplyHostMacro("C:\\Program Files"), "C:\\Program Files");

    SelectHost(kCBuilder5);
    hosts::HostRootPath = "C:\\CBuilder5";
    EXPECT_EQ(hosts::ApplyHostMacro("C:\\CBuilder5\\Korvane\\Lib"), "$(BCB)\\Korvane\\Lib");
}

TEST_F(HostMacro, ComparesCharactersNotPathComponents) {
    SelectHost(kDelphi6);
    hosts::HostRootPath = "C:\\";
    EXPECT_EQ(hosts::ApplyHostMacro("C:\\Korvane\\Lib"), "$(DELPHI)Korvane\\Lib");
    hosts::HostRootPath = "C:\\D6";
    EXPECT_EQ(hosts::ApplyHostMacro("C:\\D6X\\Lib"), "$(DELPHI)X\\Lib");
    hosts::HostRootPath = "";
    EXPECT_EQ(hosts::ApplyHostMacro("C:\\D6\\Lib"), "C:\\D6\\Lib") << "an empty root never matches";
}

TEST(SearchPathList, SplitKeepsEmptyEntriesExceptATrailingOne) {
    EXPECT_EQ(hosts::SplitSearchPath("a;;b"), (Entries{"a", "", "b"}));
    EXPECT_EQ(hosts::SplitSearchPath("a;b;"), (Entries{"a", "b"}));
    EXPECT_EQ(hosts::SplitSearchPath(";a"), (Entries{"", "a"}));
    EXPECT_EQ(hosts::SplitSearchPath(""), Entries{});
    EXPECT_EQ(hosts::SplitSearchPath(";"), Entries{""});
    EXPECT_EQ(hosts::SplitSearchPath(" a ; b"), (Entries{" a ", " b"}));
}

TEST(SearchPathList, JoinPutsOneSeparatorBetweenEntries) {
    EXPECT_EQ(hosts::JoinSearchPath({"a", "", "b"}), "a;;b");
    EXPECT_EQ(hosts::JoinSearchPath({"", "a"}), ";a");
    EXPECT_EQ(hosts::JoinSearchPath({"a"}), "a");
    EXPECT_EQ(hosts::JoinSearchPath({}), "");
}

// The library step for Delphi 6 unless a test selects otherwise.
class LibraryPath : public HostRegistryTest {
protected:
    const std::string libraryKey = kUserBorland + "\\Delphi\\6.0\\Library";
    LibraryPath() { SelectHost(kDelphi6); }
    void SetSearchPath(const std::string& text) { RawSetSz(RegRoot::CurrentUser, libraryKey, "Search Path", text); }
    std::optional<std::string> SearchPath() { return RawGetSz(RegRoot::CurrentUser, libraryKey, "Search Path"); }
    void RecordPath(const std::string& folder) { RawSetSz(RegRoot::LocalMachine, ProductKey("Delphi 6"), "Path", folder); }
    std::optional<std::string> RecordedPath() { return RawGetSz(RegRoot::LocalMachine, ProductKey("Delphi 6"), "Path"); }
};

TEST_F(LibraryPath, WithoutTheLibraryKeyNothingIsWrittenNorRecorded) {
    RawCreateKey(RegRoot::CurrentUser, kUserBorland + "\\Delphi\\6.0");
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterLibraryPath();
    EXPECT_FALSE(RawKeyExists(RegRoot::CurrentUser, libraryKey));
    EXPECT_FALSE(RawKeyExists(RegRoot::LocalMachine, ProductKey("Delphi 6")));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LibraryPath, FirstInstallationAppendsTheSuiteEntryAndRecordsThePath) {
    RawCreateKey(RegRoot::CurrentUser, libraryKey);
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "D:\\Korvane\\d6\\Lib");
    EXPECT_EQ(RecordedPath(), "D:\\Korvane\\d6");
}

TEST_F(LibraryPath, AnEntryAddedByHandBeforeTheFirstInstallationStays) {
    SetSearchPath("$(DELPHI)\\Lib;D:\\Korvane\\d6\\Lib");
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "$(DELPHI)\\Lib;D:\\Korvane\\d6\\Lib;D:\\Korvane\\d6\\Lib");
}

TEST_F(LibraryPath, ReinstallingIntoTheSameFolderKeepsOneEntryAtTheEnd) {
    SetSearchPath("$(DELPHI)\\Lib;D:\\Korvane\\d6\\Lib;$(DELPHI)\\Imports");
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterLibraryPath();
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "$(DELPHI)\\Lib;$(DELPHI)\\Imports;D:\\Korvane\\d6\\Lib");
}

TEST_F(LibraryPath, ReinstallingElsewhereRemovesTheFirstOfEachOldFormIgnoringCase) {
    hosts::HostRootPath = "C:\\Program Files\\Borland\\Delphi6";
    RecordPath("c:\\program files\\borland\\delphi6\\Korvane");
    SetSearchPath("$(DELPHI)\\Lib;C:\\PROGRAM FILES\\BORLAND\\DELPHI6\\KORVANE\\LIB;$(delphi)\\korvane\\lib;"
                  "x;$(DELPHI)\\Korvane\\Lib");
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "$(DELPHI)\\Lib;x;$(DELPHI)\\Korvane\\Lib;D:\\Korvane\\d6\\Lib");
    EXPECT_EQ(RecordedPath(), "D:\\Korvane\\d6");

    // And back below the IDE's root: the entry is written with the macro.
    hosts::InstallPath = "C:\\Program Files\\Borland\\Delphi6\\Korvane";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "$(DELPHI)\\Lib;x;$(DELPHI)\\Korvane\\Lib;$(DELPHI)\\Korvane\\Lib");
}

TEST_F(LibraryPath, EmptyEntriesAndALeadingSeparatorSurvive) {
    SetSearchPath(";a;;b;");
    hosts::InstallPath = "D:\\K";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), ";a;;b;D:\\K\\Lib");
}

TEST_F(LibraryPath, DriveRootInstallFolderGivesADoubledBackslash) {
    SetSearchPath("a");
    hosts::InstallPath = "C:\\";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "a;C:\\\\Lib");
    EXPECT_EQ(RecordedPath(), "C:\\");
}

TEST_F(LibraryPath, CBuilderBelowItsRootUsesItsOwnKeysAndMacro) {
    SelectHost(kCBuilder5);
    const std::string key = kUserBorland + "\\C++Builder\\5.0\\Library";
    RawCreateKey(RegRoot::CurrentUser, key);
    hosts::HostRootPath = "C:\\CBuilder5";
    hosts::InstallPath = "C:\\CBuilder5\\Korvane";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(RawGetSz(RegRoot::CurrentUser, key, "Search Path"), "$(BCB)\\Korvane\\Lib");
    EXPECT_EQ(RawGetSz(RegRoot::LocalMachine, ProductKey("C++ Builder 5"), "Path"), "C:\\CBuilder5\\Korvane");
}

TEST_F(LibraryPath, AnExpandSzSearchPathIsRewrittenAsSz) {
    RawSet(RegRoot::CurrentUser, libraryKey, "Search Path", platform::regtype::ExpandSz,
           std::string("%KV%\\Lib\0", 10));
    hosts::InstallPath = "D:\\K";
    hosts::RegisterLibraryPath();
    EXPECT_EQ(SearchPath(), "%KV%\\Lib;D:\\K\\Lib");  // RawGetSz checks the type
}

TEST_F(LibraryPath, SearchPathOfAnotherTypeStopsTheStepBeforeAnythingIsRecorded) {
    RawSet(RegRoot::CurrentUser, libraryKey, "Search Path", platform::regtype::DWord, std::string(4, '\1'));
    hosts::InstallPath = "D:\\K";
    OpenKeyCounter counter;
    ExpectRegistryError([] { hosts::RegisterLibraryPath(); }, "Invalid data type for 'Search Path'");
    EXPECT_EQ(counter.Open(), 0);
    EXPECT_FALSE(RecordedPath());
}

TEST_F(LibraryPath, RefusedSearchPathWriteRaisesAfterThePathIsRecorded) {
    SetSearchPath("a");
    hosts::InstallPath = "D:\\K";
    auto& set = platform::Registry().setValue;
    auto refuse = Override(
        set, [original = set](platform::Key k, const std::string& name, uint32_t type, const void* data, uint32_t size) {
            return name == "Search Path" ? long(platform::regerr::AccessDenied) : original(k, name, type, data, size);
        });
    OpenKeyCounter counter;
    ExpectRegistryError([] { hosts::RegisterLibraryPath(); }, "Failed to set data for 'Search Path'");
    EXPECT_EQ(counter.Open(), 0);
    EXPECT_EQ(RecordedPath(), "D:\\K");
    EXPECT_EQ(SearchPath(), "a");
}

TEST_F(LibraryPath, UnwritableProductRecordWarnsAndTheSearchPathIsStillWritten) {
    SetSearchPath("a");
    hosts::InstallPath = "D:\\Korvane\\d6";
    {
        auto refuse = RefuseCreateKey();
        hosts::RegisterLibraryPath();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to write to registry:\r\n\\SOFTWARE\\Maltrow Software\\Korvane\\Delphi 6");
    EXPECT_EQ(SearchPath(), "a;D:\\Korvane\\d6\\Lib");
    EXPECT_FALSE(RecordedPath());
}

}  // namespace
