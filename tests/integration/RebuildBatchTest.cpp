// The batch lines and the manual-compile instructions, checked as text for every host.
#include <gtest/gtest.h>

#include "hosts/HostTable.h"
#include "hosts/RebuildBatch.h"
#include "rtl/TextLines.h"

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

TEST(RebuildBatch, CBuilder4CompilesItsProjectsDirectly) {
    Lines lines = hosts::RebuildBatchLines(Host(3), {"c:\\Korvane\\c4", "C:\\CBuilder4", "C:\\WINNT\\system32"});
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 4),
              (Lines{"echo This batch file will rebuild \"kv40c4.bpl\" package",
                     "echo Please make sure that C++ Builder 4 IDE is closed"}));
    EXPECT_EQ(Lines(lines.begin() + 7, lines.begin() + 13),
              (Lines{"rem no precompile for C++Builder4",
                     "rem no precompile for C++Builder4",
                     "\"C:\\CBuilder4\\Bin\\make.exe\" -B -fkv40c4.bpk",
                     "\"C:\\CBuilder4\\Bin\\make.exe\" -B -fdclkv40c4.bpk",
                     "copy kv40c4.bpl \"C:\\WINNT\\system32\"",
                     "del \"kv40c4.bpl\""}));
}

TEST(RebuildBatch, EveryHostBuildsBothOfItsOwnPackagesInTheLibFolder) {
    const hosts::CompileFolders folders{"E:\\Inst Dir", "F:\\Ide Root", "C:\\Sys Dir"};
    for (int i = 0; i < hosts::HostCount; ++i) {
        const auto& host = Host(i);
        SCOPED_TRACE(host.HostName);
        Lines lines = hosts::RebuildBatchLines(host, folders);
        ASSERT_EQ(lines.size(), 14u);
        EXPECT_EQ(lines[0], "@echo off");
        EXPECT_EQ(lines[4], "CD \"E:\\Inst Dir\\Lib\"");
        EXPECT_EQ(lines[5], std::string("del \"C:\\Sys Dir\\") + host.RtmPackageBinary + "\"");
        EXPECT_EQ(lines[6], std::string("del \"C:\\Sys Dir\\") + host.DtmPackageBinary + "\"");
        // Every tool line runs the IDE's own tool by its quoted path; comment lines take no folder.
        for (int k = 7; k <= 10; ++k) {
            if (lines[k].rfind("rem ", 0) == 0) continue;
            EXPECT_EQ(lines[k].rfind("\"F:\\Ide Root\\Bin\\", 0), 0u) << lines[k];
            EXPECT_EQ(lines[k].find("%s"), std::string::npos);
        }
        const std::string rtmBase = std::string(host.RtmPackageSource).substr(0, std::string(host.RtmPackageSource).find('.'));
        const std::string dtmBase = std::string(host.DtmPackageSource).substr(0, std::string(host.DtmPackageSource).find('.'));
        EXPECT_NE(lines[9].find(rtmBase + "."), std::string::npos) << "run-time package compiled first";
        EXPECT_NE(lines[10].find(dtmBase + "."), std::string::npos);
        EXPECT_EQ(lines[11], std::string("copy ") + host.RtmPackageBinary + " \"C:\\Sys Dir\"");
        EXPECT_EQ(lines[13], "CD ..");
    }
}

TEST(RebuildBatch, ADriveRootInstallFolderIsFilledInVerbatim) {
    Lines lines = hosts::RebuildBatchLines(Host(2), {"C:\\", "C:\\Delphi6", "C:\\WINDOWS\\SYSTEM32"});
    EXPECT_EQ(lines[4], "CD \"C:\\\\Lib\"");
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

TEST(ManualCompileInstructions, LeaveNoTokenForAnyHost) {
    for (int i = 0; i < hosts::HostCount; ++i) {
        std::string text = hosts::ManualCompileInstructions(Host(i), "C:\\S");
        for (const char* token : {"_rtm_pack_", "_dtm_pack_", "_rtm_bpl_", "_dtm_bpl_", "_sys_folder_", "_ide_"})
            EXPECT_EQ(text.find(token), std::string::npos) << Host(i).HostName << " " << token;
        EXPECT_NE(text.find(std::string(" in ") + Host(i).HostName + " IDE."), std::string::npos);
    }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceWithoutSearchingTheInsertedText) {
    EXPECT_EQ(hosts::ReplaceAll("_ide_ and _ide_", "_ide_", "Delphi 6"), "Delphi 6 and Delphi 6");
    EXPECT_EQ(hosts::ReplaceAll("_sys_folder_", "_sys_folder_", "x_sys_folder_y"), "x_sys_folder_y");
    EXPECT_EQ(hosts::ReplaceAll("_IDE_", "_ide_", "x"), "_IDE_") << "case-sensitive";
    EXPECT_EQ(hosts::ReplaceAll("aaa", "aa", "b"), "ba") << "left to right";
}

}  // namespace
