// The host table, which host is selected, the folder path rule and the folder and file tests.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "hosts/HostSelection.h"
#include "hosts/HostTable.h"
#include "rtl/Paths.h"
#include "tests/hosts/RegistryFixture.h"
#include "tests/support/TempDir.h"

namespace {

using hosts::GetHostIndex;
using rtl::StripTrailingBackslash;

// The sixteen cells of a host table row, in the table's column order.
std::vector<std::string> Cells(const hosts::HostInfo& h) {
    return {h.HostName,           h.HostMacro,          h.RtmPackageSource,  h.DtmPackageSource,
            h.RtmPackageBinary,   h.DtmPackageBinary,   h.HostRegistryKey,   h.RtmPrecompileCommand,
            h.DtmPrecompileCommand, h.RtmCompileCommand, h.DtmCompileCommand, h.CompilerPath,
            h.HostHelpContents,   h.SuiteHelpName,      h.PayloadFolderTag,  h.VclFolderTag};
}

const char* const Columns[] = {"HostName",          "HostMacro",         "RtmPackageSource",     "DtmPackageSource",
                               "RtmPackageBinary",  "DtmPackageBinary",  "HostRegistryKey",      "RtmPrecompileCommand",
                               "DtmPrecompileCommand", "RtmCompileCommand", "DtmCompileCommand", "CompilerPath",
                               "HostHelpContents",  "SuiteHelpName",     "PayloadFolderTag",     "VclFolderTag"};

// The host table as the installer is defined to carry it, written out cell by cell: the fake IDEs
// are built from the product's table, so only this copy catches a wrong cell.
const char* const ExpectedHostTable[][std::size(Columns)] = {
    {"Delphi 4", "$(DELPHI)", "kv40d4.dpk", "dclkv40d4.dpk", "kv40d4.bpl", "dclkv40d4.bpl", "Delphi\\4.0",
     "rem no precompile for Delphi4", "rem no precompile for Delphi4", "\"%s\\Bin\\dcc32.exe\" kv40d4.dpk",
     "\"%s\\Bin\\dcc32.exe\" dclkv40d4.dpk", "\\Bin\\dcc32.exe", "delphi4.cnt", "kvd4", "d4", "vcl4"},
    {"Delphi 5", "$(DELPHI)", "kv40d5.dpk", "dclkv40d5.dpk", "kv40d5.bpl", "dclkv40d5.bpl", "Delphi\\5.0",
     "rem no precompile for Delphi5", "rem no precompile for Delphi5", "\"%s\\Bin\\dcc32.exe\" kv40d5.dpk",
     "\"%s\\Bin\\dcc32.exe\" dclkv40d5.dpk", "\\Bin\\dcc32.exe", "delphi5.cnt", "kvd5", "d5", "vcl5"},
    {"Delphi 6", "$(DELPHI)", "kv40d6.dpk", "dclkv40d6.dpk", "kv40d6.bpl", "dclkv40d6.bpl", "Delphi\\6.0",
     "rem no precompile for Delphi6", "rem no precompile for Delphi6", "\"%s\\Bin\\dcc32.exe\" kv40d6.dpk",
     "\"%s\\Bin\\dcc32.exe\" dclkv40d6.dpk", "\\Bin\\dcc32.exe", "delphi6.cnt", "kvd6", "d6", "vcl6"},
    {"C++ Builder 4", "$(BCB)", "kv40c4.bpk", "dclkv40c4.bpk", "kv40c4.bpl", "dclkv40c4.bpl", "C++Builder\\4.0",
     "rem no precompile for C++Builder4", "rem no precompile for C++Builder4",
     "\"%s\\Bin\\make.exe\" -B -fkv40c4.bpk", "\"%s\\Bin\\make.exe\" -B -fdclkv40c4.bpk", "\\Bin\\make.exe",
     "bcb4.cnt", "kvc4", "c4", "vcl4"},
    {"C++ Builder 5", "$(BCB)", "kv40c5.bpk", "dclkv40c5.bpk", "kv40c5.bpl", "dclkv40c5.bpl", "C++Builder\\5.0",
     "\"%s\\Bin\\bpr2mak.exe\" kv40c5.bpk", "\"%s\\Bin\\bpr2mak.exe\" dclkv40c5.bpk",
     "\"%s\\Bin\\make.exe\" -B -fkv40c5.mak", "\"%s\\Bin\\make.exe\" -B -fdclkv40c5.mak", "\\Bin\\make.exe",
     "bcb5.cnt", "kvc5", "c5", "vcl5"},
    {"C++ Builder 6", "$(BCB)", "kv40c6.bpk", "dclkv40c6.bpk", "kv40c6.bpl", "dclkv40c6.bpl", "C++Builder\\6.0",
     "\"%s\\Bin\\bpr2mak.exe\" kv40c6.bpk", "\"%s\\Bin\\bpr2mak.exe\" dclkv40c6.bpk",
     "\"%s\\Bin\\make.exe\" -B -fkv40c6.mak", "\"%s\\Bin\\make.exe\" -B -fdclkv40c6.mak", "\\Bin\\make.exe",
     "bcb6.cnt", "kvc6", "c6", "vcl6"},
};

std::vector<std::string> ExpectedRow(int row) {
    return {std::begin(ExpectedHostTable[row]), std::end(ExpectedHostTable[row])};
}

TEST(HostTable, EveryCellHoldsItsDefinedText) {
    ASSERT_EQ(hosts::HostCount, static_cast<int>(std::size(ExpectedHostTable)));
    for (int row = 0; row < hosts::HostCount; ++row) {
        const std::vector<std::string> cells = Cells(hosts::HostTable[row]);
        for (size_t column = 0; column < std::size(Columns); ++column)
            EXPECT_EQ(cells[column], ExpectedHostTable[row][column])
                << "row " << row << " (" << ExpectedHostTable[row][0] << "), column " << Columns[column];
    }
}

TEST(HostSelection, TheFirstCheckedButtonCountsAndNoneMeansTheFirstHost) {
    test::HostButtons buttons;
    hosts::SetHostButtons(&buttons);
    EXPECT_EQ(GetHostIndex(), 0);
    EXPECT_EQ(Cells(hosts::SelectedHost()), ExpectedRow(0));

    buttons.checked[5] = true;
    EXPECT_EQ(GetHostIndex(), 5);
    EXPECT_EQ(Cells(hosts::SelectedHost()), ExpectedRow(5));
    buttons.checked[2] = true;
    buttons.checked[3] = true;
    EXPECT_EQ(GetHostIndex(), 2);
    EXPECT_EQ(Cells(hosts::SelectedHost()), ExpectedRow(2));

    hosts::SetHostButtons(nullptr);
    EXPECT_EQ(GetHostIndex(), 0);
}

TEST(StripTrailingBackslash, RemovesOneBackslashButKeepsDriveRoots) {
    EXPECT_EQ(StripTrailingBackslash("C:\\Korvane\\"), "C:\\Korvane");
    EXPECT_EQ(StripTrailingBackslash("C:\\Korvane"), "C:\\Korvane");
    EXPECT_EQ(StripTrailingBackslash("C:\\Korvane\\\\"), "C:\\Korvane\\");
    EXPECT_EQ(StripTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(StripTrailingBackslash("z:\\"), "z:\\");
    EXPECT_EQ(StripTrailingBackslash("C:\\\\"), "C:\\");
    EXPECT_EQ(StripTrailingBackslash("\\\\"), "\\");
    EXPECT_EQ(StripTrailingBackslash("\\"), "\\");
    EXPECT_EQ(StripTrailingBackslash(""), "");
}

TEST(StripTrailingBackslash, OnlyLettersAToZMakeADriveRoot) {
    EXPECT_EQ(StripTrailingBackslash("1:\\"), "1:");
    EXPECT_EQ(StripTrailingBackslash("@:\\"), "@:");
    EXPECT_EQ(StripTrailingBackslash("[:\\"), "[:");
    EXPECT_EQ(StripTrailingBackslash("\xC4:\\"), "\xC4:");  // an accented capital in the ANSI page
    EXPECT_EQ(StripTrailingBackslash("C;\\"), "C;");
}

// The last character, not the last byte: Shift-JIS 能, 表 and ソ end in the byte 5C, and a lead
// byte may stand alone at the end; under 1252 every 5C is a backslash as before.
TEST(StripTrailingBackslash, LooksAtTheLastCharacterOfTheCodePage) {
    const struct {
        unsigned codePage;
        const char* path;
        const char* stripped;
    } rows[] = {
        {932, "C:\\Komponenten\\\x8B\x40\x94\x5C", "C:\\Komponenten\\\x8B\x40\x94\x5C"},
        {932, "C:\\Borland\\\x95\x5C", "C:\\Borland\\\x95\x5C"},
        {932, "C:\\\x83\x5C", "C:\\\x83\x5C"},
        {932, "C:\\\x95\x5C\\", "C:\\\x95\x5C"},
        {932, "C:\\x\x95", "C:\\x\x95"},
        {932, "C:\\Korvane\\", "C:\\Korvane"},
        {1252, "C:\\Komponenten\\\x8B\x40\x94\x5C", "C:\\Komponenten\\\x8B\x40\x94"},
        {1252, "C:\\Borland\\\x95\x5C", "C:\\Borland\\\x95"},
        {1252, "C:\\\x83\x5C", "C:\\\x83"},
        {1252, "C:\\\x95\x5C\\", "C:\\\x95\x5C"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StripTrailingBackslash(row.path, row.codePage), row.stripped) << row.codePage << ": " << row.path;
}

TEST(IsFullFolderPath, ADriveAndABackslashOrAShareWithBothNames) {
    struct Case {
        const char* path;
        bool full;
    } cases[] = {
        {"C:\\", true},         {"c:\\Korvane\\d6", true}, {"C:\\Korvane\\", true},
        {"\\\\server\\share", true}, {"\\\\server\\share\\Korvane", true},
        {"", false},             {"Korvane", false},         {"Korvane\\d6", false},
        {"\\Korvane", false},    {"C:", false},              {"C:Korvane", false},
        {"1:\\Korvane", false},  {"\\\\server", false},      {"\\\\server\\", false},
        {"\\\\\\share", false},
    };
    for (const Case& c : cases) EXPECT_EQ(rtl::IsFullFolderPath(c.path), c.full) << c.path;
}

TEST(FolderAndFileExist, TellFoldersFromFilesOnTheRealDisk) {
    test::TempDir dir;
    const std::string file = dir.Path() + "\\dcc32.exe";
    test::WriteWholeFile(file, "MZ");
    EXPECT_TRUE(rtl::FolderExists(dir.Path()));
    EXPECT_TRUE(rtl::FolderExists(dir.Path() + "\\"));
    EXPECT_FALSE(rtl::FolderExists(file));
    EXPECT_FALSE(rtl::FolderExists(dir.Path() + "\\missing"));
    EXPECT_FALSE(rtl::FolderExists(""));

    EXPECT_TRUE(rtl::FileExists(file));
    EXPECT_FALSE(rtl::FileExists(dir.Path()));
    EXPECT_FALSE(rtl::FileExists(dir.Path() + "\\missing.exe"));
    EXPECT_FALSE(rtl::FileExists(""));
}

}  // namespace
