// A second installation into the folder of the first, through the windows, where the file server
// keeps Windows' rule for read-only files (tools/wine-windows-rule.sh): the payload stores a file
// read-only, and the user has made another one read-only by hand in between.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/e2e/PackedFiles.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/KeyboardInstallation.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/Wait.h"
#include "tests/support/TempDir.h"

namespace {

using fixture::Hive;
using namespace e2e;
using e2e_test::ExpectExtracted;
using e2e_test::Packed;

int CountLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (size_t at = 0; (at = text.find(line + "\r\n", at)) != std::string::npos; at += line.size()) ++count;
    return count;
}

TEST(Reinstallation, IntoTheSameFolderReplacesEveryFileAndRegistersOnce) {
    test::TempDir temp;
    Machine machine(temp.Path());
    const fixture::FakeIde& ide = machine.Ide(Delphi6);
    const std::string searchPath = fixture::GetString(Hive::CurrentUser, ide.LibraryKey(), "Search Path");
    const std::string folder = temp.Path() + "\\Korvane";
    // The payload stores this one read-only: the first installation leaves it so.
    const std::string storedReadOnly = "\\Sources\\KvDefs.inc";
    ASSERT_TRUE(GetFileAttributesA((Packed("common") + storedReadOnly).c_str()) & FILE_ATTRIBUTE_READONLY);

    e2e_test::Install({1, folder});
    ASSERT_TRUE(GetFileAttributesA((folder + storedReadOnly).c_str()) & FILE_ATTRIBUTE_READONLY);
    // The user makes an installed file read-only and changes another.
    const std::string byHand = folder + "\\Sources\\KvConsts.pas";
    ASSERT_TRUE(SetFileAttributesA(byHand.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    test::WriteWholeFile(folder + "\\readme.txt", "changed by the user");

    // The install path page proposes the folder of the first installation.
    const InstallationSeen second = e2e_test::Install({1, ""});
    EXPECT_EQ(second.installPathField, folder);
    EXPECT_EQ(second.pages.back(), "WellDone");
    EXPECT_EQ(second.progress, (std::map<std::string, int>{{"Korvane components installation", BST_CHECKED},
                                                            {"Additional files installation", BST_CHECKED},
                                                            {"Help installation", BST_CHECKED},
                                                            {"Component registration", BST_CHECKED},
                                                            {"Component compilation", BST_CHECKED}}));

    // Every file as stored, the read-only ones included.
    EXPECT_EQ(ExpectExtracted("common", folder), e2e_test::CommonFileCount);
    EXPECT_EQ(ExpectExtracted("d6", folder, "\\Help\\"), e2e_test::D6FileCount - e2e_test::D6HelpFileCount);
    EXPECT_EQ(ide.ToolRuns().size(), 4u);

    // The IDE knows the suite once; the product record names this installation.
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, ide.LibraryKey(), "Search Path"), searchPath + ";" + folder + "\\Lib");
    EXPECT_EQ(fixture::Values(Hive::CurrentUser, ide.KnownPackagesKey()).size(), 3u);
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, ide.KnownPackagesKey(), folder + "\\Lib\\dclkv40d6.bpl"),
              "Korvane 4.3 package");
    EXPECT_EQ(CountLines(test::ReadWholeFile(ide.HelpContentsFile()), ":Include kvd6.cnt"), 1);
    const std::string product = fixture::ProductKey(Delphi6);
    const auto values = fixture::Values(Hive::LocalMachine, product);
    EXPECT_EQ((std::map<std::string, std::string>(values.begin(), values.end())),
              (std::map<std::string, std::string>{
                  {"Path", folder}, {"Version", "4.3"}, {"HelpFile", ide.HelpFolder() + "\\kvd6.hlp"}}));
}

}  // namespace
