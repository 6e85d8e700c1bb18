// The batch lines and the manual-compile instructions, checked as text for every host.
#include <gtest/gtest.h>

#include "hosts/HostTable.h"
#include "hosts/RebuildBatch.h"
#include "rtl/TextLines.h"
#include "tests/integration/ExpectedCompileTexts.h"

namespace {

using Lines = std::vector<std::string>;
const hosts::HostInfo& Host(int index) { return hosts::HostTable[index]; }

TEST(RebuildBatch, Delphi6) {
    EXPECT_EQ(hosts::RebuildBatchLines(Host(2), {"c:\\Korvane\\d6", "C:\\Delphi6", "C:\\WINDOWS\\SYSTEM32"}),
              (Lines{"@echo off",
                     "cls",
                     "echo This batch file will rebuild \"kv40d6.bpl\" package",
                     "echo Please make sure that Delphi 6 IDE is closed",
                     "CD \"c:\\Korvane\\d6\\Lib\"",
                     "del \"C:\\WINDOWS\\SYSTEM32\\kv40d6.bpl\"",
                     "del \"C:\\WINDOWS\\SYSTEM32\\dclkv40d6.bpl\"",
                     "rem no precompile for Delphi6",
                     "rem no precompile for Delphi6",
                     "\"C:\\Delphi6\\Bin\\dcc32.exe\" kv40d6.dpk",
                     "\"C:\\Delphi6\\Bin\\dcc32.exe\" dclkv40d6.dpk",
                     "copy kv40d6.bpl \"C:\\WINDOWS\\SYSTEM32\"",
                     "del \"kv40d6.bpl\"",
                     "CD .."}));
}

TEST(RebuildBatch, CBuilder5WithBlanksInEveryFolder) {
    EXPECT_EQ(hosts::RebuildBatchLines(Host(4), {"D:\\My Components\\Korvane c5", "C:\\Program Files\\Borland\\CBuilder5",
                                                 "C:\\WIN NT\\System32"}),
              (Lines{"@echo off",
                     "cls",
                     "echo This batch file will rebuild \"kv40c5.bpl\" package",
                     "echo Please make sure that C++ Builder 5 IDE is closed",
                     "CD \"D:\\My Components\\Korvane c5\\Lib\"",
                     "del \"C:\\WIN NT\\System32\\kv40c5.bpl\"",
                     "del \"C:\\WIN NT\\System32\\dclkv40c5.bpl\"",
                     "\"C:\\Program Files\\Borland\\CBuilder5\\Bin\\bpr2mak.exe\" kv40c5.bpk",
                     "\"C:\\Program Files\\Borland\\CBuilder5\\Bin\\bpr2mak.exe\" dclkv40c5.bpk",
                     "\"C:\\Program Files\\Borland\\CBuilder5\\Bin\\make.exe\" -B -fkv40c5.mak",
                     "\"C:\\Program Files\\Borland\\CBuilder5\\Bin\\make.exe\" -B -fdclkv40c5.mak",
                     "copy kv40c5.bpl \"C:\\WIN NT\\System32\"",
                     "del \"kv40c5.bpl\"",
                     "CD .."}));
}

// Each host's names and tool lines in their places; C++ Builder 4 compiles its projects directly.
TEST(RebuildBatch, EveryHostBuildsBothOfItsOwnPackagesInTheLibFolder) {
    for (int i = 0; i < hosts::HostCount; ++i) {
        SCOPED_TRACE(test::CompileTexts[i].hostName);
        EXPECT_EQ(hosts::RebuildBatchLines(Host(i), {"E:\\Inst Dir", "F:\\Ide Root", "C:\\Sys Dir"}),
                  test::ExpectedRebuildBatch(i, "E:\\Inst Dir", "F:\\Ide Root", "C:\\Sys Dir"));
    }
}

TEST(RebuildBatch, ADriveRootInstallFolderIsFilledInVerbatim) {
    Lines lines = hosts::RebuildBatchLines(Host(2), {"C:\\", "C:\\Delphi6", "C:\\WINDOWS\\SYSTEM32"});
    EXPECT_EQ(lines[4], "CD \"C:\\\\Lib\"");
}

// cmd.exe expands %...% in a batch line and reads %% as one percent sign.
TEST(RebuildBatch, APercentSignInAFolderIsDoubled) {
    EXPECT_EQ(hosts::RebuildBatchLines(Host(2), {"C:\\Kv 100% & (x)\\d6", "C:\\D%6%", "C:\\W%\\S"}),
              (Lines{"@echo off",
                     "cls",
                     "echo This batch file will rebuild \"kv40d6.bpl\" package",
                     "echo Please make sure that Delphi 6 IDE is closed",
                     "CD \"C:\\Kv 100%% & (x)\\d6\\Lib\"",
                     "del \"C:\\W%%\\S\\kv40d6.bpl\"",
                     "del \"C:\\W%%\\S\\dclkv40d6.bpl\"",
                     "rem no precompile for Delphi6",
                     "rem no precompile for Delphi6",
                     "\"C:\\D%%6%%\\Bin\\dcc32.exe\" kv40d6.dpk",
                     "\"C:\\D%%6%%\\Bin\\dcc32.exe\" dclkv40d6.dpk",
                     "copy kv40d6.bpl \"C:\\W%%\\S\"",
                     "del \"kv40d6.bpl\"",
                     "CD .."}));
}

TEST(ManualCompileInstructions, Delphi6NamesItsProjectsBinaryAndIde) {
    Lines lines = rtl::SplitLines(hosts::ManualCompileInstructions(Host(2), "C:\\WINDOWS\\SYSTEM32"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 12),
              (Lines{"Could not automatically compile \"kv40d6.dpk\" and ",
                     "\"dclkv40d6.dpk\" files. Please try to manually compile them.",
                     "In order to do this do the following:",
                     "",
                     "1. Open \"kv40d6.dpk\" in Delphi 6 IDE.",
                     "2. Choose Project|Options... menu.",
                     "3. Choose Project|Compile \"kv40d6.dpk\" menu",
                     "4. Open \"dclkv40d6.dpk\".",
                     "5. Place \"kv40d6.bpl\" to \"C:\\WINDOWS\\SYSTEM32\" Windows system folder.",
                     "6. Click on \"Install\" button. The components will be located in ",
                     "   \"Korvane\" and \"Korvane+\" tabs.",
                     ""}));
    EXPECT_NE(lines[12].find("technical support"), std::string::npos);
}

TEST(ManualCompileInstructions, NameEachHostsOwnProjectsBinaryAndIde) {
    for (int i = 0; i < hosts::HostCount; ++i) {
        SCOPED_TRACE(test::CompileTexts[i].hostName);
        EXPECT_EQ(rtl::SplitLines(hosts::ManualCompileInstructions(Host(i), "C:\\S")), test::ExpectedInstructions(i, "C:\\S"));
    }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceWithoutSearchingTheInsertedText) {
    EXPECT_EQ(hosts::ReplaceAll("_ide_ and _ide_", "_ide_", "Delphi 6"), "Delphi 6 and Delphi 6");
    EXPECT_EQ(hosts::ReplaceAll("_sys_folder_", "_sys_folder_", "x_sys_folder_y"), "x_sys_folder_y");
    EXPECT_EQ(hosts::ReplaceAll("_IDE_", "_ide_", "x"), "_IDE_") << "case-sensitive";
    EXPECT_EQ(hosts::ReplaceAll("aaa", "aa", "b"), "ba") << "left to right";
}

}  // namespace
