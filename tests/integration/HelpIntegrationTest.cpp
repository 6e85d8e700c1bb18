// Help integration against a fake IDE's Help folder and contents file, on the real file system.
#include <gtest/gtest.h>

#include <algorithm>

#include "hosts/HostTable.h"
#include "hosts/IntegrationSteps.h"
#include "platform/Registry.h"
#include "rtl/Exceptions.h"
#include "rtl/TextLines.h"
#include "tests/integration/HostScenario.h"

namespace {

constexpr int Delphi6 = 2;
constexpr int CBuilder5 = 4;

std::string Crlf(const std::vector<std::string>& lines) { return rtl::JoinLinesCrLf(lines); }

std::vector<std::string> With(std::vector<std::string> lines, const std::string& extra) {
    lines.push_back(extra);
    return lines;
}

// ---- Moving the help pair ----

TEST(HelpIntegration, MovesThePairIntoTheIdeHelpFolderAndRecordsIt) {
    test::HostScenario s(Delphi6);
    test::RecordingView view;
    hosts::InstallHelp(view);

    const std::string help = s.Ide().HelpFolder();
    EXPECT_EQ(test::ReadWholeFile(help + "\\kvd6.hlp"), fixture::SuiteHelpContent(Delphi6));
    EXPECT_EQ(test::ReadWholeFile(help + "\\kvd6.cnt"), fixture::SuiteContentsContent(Delphi6));
    EXPECT_FALSE(test::FolderExists(s.InstallPath() + "\\Help")) << "the emptied Help folder is removed";
    ASSERT_EQ(view.helpFiles, std::vector<std::string>{help + "\\kvd6.hlp"});
    EXPECT_EQ(s.ProductValue("HelpFile"), help + "\\kvd6.hlp");
    EXPECT_TRUE(s.warningTexts.empty());
}

TEST(HelpIntegration, FindsHelpFilesStoredUnderCapitalNames) {
    fixture::InstallFolderOptions capitals;
    capitals.helpNamesInCapitals = true;
    test::HostScenario s(Delphi6, "Korvane", capitals);
    test::RecordingView view;
    hosts::InstallHelp(view);

    EXPECT_EQ(test::ReadWholeFile(s.Ide().HelpFolder() + "\\kvd6.hlp"), fixture::SuiteHelpContent(Delphi6));
    EXPECT_TRUE(test::FileExists(s.Ide().HelpFolder() + "\\kvd6.cnt"));
    EXPECT_FALSE(test::FileExists(s.InstallPath() + "\\Help\\KVD6.HLP"));
    EXPECT_FALSE(test::FolderExists(s.InstallPath() + "\\Help"));
}

TEST(HelpIntegration, KeepsAHelpFolderThatHoldsOtherFiles) {
    fixture::InstallFolderOptions extra;
    extra.extraHelpFile = true;
    test::HostScenario s(Delphi6, "Korvane", extra);
    test::RecordingView view;
    hosts::InstallHelp(view);

    EXPECT_EQ(test::EntryNames(s.InstallPath() + "\\Help"), std::vector<std::string>{"readme.txt"});
}

TEST(HelpIntegration, KeepsTheSourceWhenItsCopyIsRefused) {
    test::HostScenario s(Delphi6);
    // Refused as Windows refuses a read-only destination; Wine running as root would copy.
    platform::ScopedOverride<decltype(platform::FileApi::copyFile)> refuse(
        platform::Files().copyFile, [&](const std::string& from, const std::string& to, bool failIfExists) {
            return to.size() >= 4 && to.compare(to.size() - 4, 4, ".hlp") == 0 ? false
                                                                                 : refuse.Original()(from, to, failIfExists);
        });
    test::RecordingView view;
    hosts::InstallHelp(view);

    const std::string help = s.Ide().HelpFolder();
    EXPECT_TRUE(test::FileExists(s.InstallPath() + "\\Help\\kvd6.hlp")) << "the refused file stays where it was";
    EXPECT_FALSE(test::FileExists(help + "\\kvd6.hlp"));
    EXPECT_FALSE(test::FileExists(s.InstallPath() + "\\Help\\kvd6.cnt")) << "the copied one moved";
    EXPECT_TRUE(test::FileExists(help + "\\kvd6.cnt"));
    // Not detected otherwise: the include and the record are written regardless.
    EXPECT_EQ(view.helpFiles, std::vector<std::string>{help + "\\kvd6.hlp"});
    EXPECT_EQ(s.ProductValue("HelpFile"), help + "\\kvd6.hlp");
    EXPECT_EQ(rtl::SplitLines(test::ReadWholeFile(s.Ide().HelpContentsFile())).back(), ":Include kvd6.cnt");
}

TEST(HelpIntegration, WithoutAnIdeContentsFileDoesNothing) {
    test::HostScenario s(Delphi6);
    platform::Files().deleteFile(s.Ide().HelpContentsFile());
    test::RecordingView view;
    hosts::InstallHelp(view);

    EXPECT_TRUE(test::FileExists(s.InstallPath() + "\\Help\\kvd6.hlp"));
    EXPECT_TRUE(test::FileExists(s.InstallPath() + "\\Help\\kvd6.cnt"));
    EXPECT_FALSE(test::FileExists(s.Ide().HelpFolder() + "\\kvd6.hlp"));
    EXPECT_TRUE(view.helpFiles.empty());
    EXPECT_EQ(s.ProductValue("HelpFile"), "");
}

TEST(HelpIntegration, AnUnwritableProductRecordWarnsAndTheHelpStaysInstalled) {
    test::HostScenario s(Delphi6);
    // A user without rights below HKEY_LOCAL_MACHINE; Wine runs as root and would allow it.
    platform::ScopedOverride<decltype(platform::RegistryApi::createKey)> denied(
        platform::Registry().createKey, [](platform::Key, const std::string&, platform::Key*) -> long {
            return platform::regerr::AccessDenied;
        });
    test::RecordingView view;
    hosts::InstallHelp(view);

    EXPECT_EQ(s.warningTexts, std::vector<std::string>{"Unable to write to registry:\r\n\\SOFTWARE\\Maltrow Software\\Korvane\\Delphi 6"});
    EXPECT_EQ(view.helpFiles, std::vector<std::string>{s.Ide().HelpFolder() + "\\kvd6.hlp"});
    EXPECT_EQ(s.ProductValue("HelpFile"), "");
    EXPECT_EQ(rtl::SplitLines(test::ReadWholeFile(s.Ide().HelpContentsFile())).back(), ":Include kvd6.cnt");
}

TEST(HelpIntegration, ARefusedContentsCopyGoesUndetected) {
    test::HostScenario s(Delphi6);
    platform::ScopedOverride<decltype(platform::FileApi::copyFile)> refuse(
        platform::Files().copyFile, [&](const std::string& from, const std::string& to, bool failIfExists) {
            return to.size() >= 4 && to.compare(to.size() - 4, 4, ".cnt") == 0 ? false
                                                                                 : refuse.Original()(from, to, failIfExists);
        });
    test::RecordingView view;
    hosts::InstallHelp(view);

    const std::string help = s.Ide().HelpFolder();
    EXPECT_FALSE(test::FileExists(help + "\\kvd6.cnt"));
    EXPECT_TRUE(test::FileExists(s.InstallPath() + "\\Help\\kvd6.cnt")) << "the refused file stays where it was";
    EXPECT_EQ(test::ReadWholeFile(help + "\\kvd6.hlp"), fixture::SuiteHelpContent(Delphi6));
    EXPECT_EQ(view.helpFiles, std::vector<std::string>{help + "\\kvd6.hlp"});
    EXPECT_EQ(s.ProductValue("HelpFile"), help + "\\kvd6.hlp");
    EXPECT_EQ(rtl::SplitLines(test::ReadWholeFile(s.Ide().HelpContentsFile())).back(), ":Include kvd6.cnt");
}

TEST(HelpIntegration, AnInstallFolderWithoutTheHelpPairIsNotDetected) {
    test::HostScenario s(Delphi6);
    // A payload that holds no help for this IDE: the extraction made no Help folder.
    auto& files = platform::Files();
    files.deleteFile(s.InstallPath() + "\\Help\\kvd6.hlp");
    files.deleteFile(s.InstallPath() + "\\Help\\kvd6.cnt");
    ASSERT_TRUE(files.removeDirectory(s.InstallPath() + "\\Help"));
    test::RecordingView view;
    EXPECT_NO_THROW(hosts::InstallHelp(view));

    const std::string help = s.Ide().HelpFolder();
    EXPECT_FALSE(test::FileExists(help + "\\kvd6.hlp"));
    EXPECT_FALSE(test::FileExists(help + "\\kvd6.cnt"));
    EXPECT_EQ(view.helpFiles, std::vector<std::string>{help + "\\kvd6.hlp"}) << "named whether or not it arrived";
    EXPECT_EQ(s.ProductValue("HelpFile"), help + "\\kvd6.hlp");
    EXPECT_EQ(rtl::SplitLines(test::ReadWholeFile(s.Ide().HelpContentsFile())).back(), ":Include kvd6.cnt");
    EXPECT_TRUE(s.warningTexts.empty());
}

// ---- The include line ----

TEST(HelpInclude, IsAppendedWhenTheLastLineIsNotEmpty) {
    test::HostScenario s(Delphi6);
    test::RecordingView view;
    hosts::InstallHelp(view);
    EXPECT_EQ(test::ReadWholeFile(s.Ide().HelpContentsFile()),
              Crlf(With(fixture::SampleHelpContents(Delphi6), ":Include kvd6.cnt")));
}

TEST(HelpInclude, GoesBeforeALastEmptyLine) {
    test::HostScenario s(CBuilder5);
    test::WriteWholeFile(s.Ide().HelpContentsFile(), ":Base bcb5.hlp\n:Include vcl5.cnt\n\n");
    test::RecordingView view;
    hosts::InstallHelp(view);
    EXPECT_EQ(test::ReadWholeFile(s.Ide().HelpContentsFile()), ":Base bcb5.hlp\r\n:Include vcl5.cnt\r\n:Include kvc5.cnt\r\n\r\n");
}

TEST(HelpInclude, IsTheOnlyLineOfAnEmptyContentsFile) {
    test::HostScenario s(Delphi6);
    test::WriteWholeFile(s.Ide().HelpContentsFile(), "");
    test::RecordingView view;
    hosts::InstallHelp(view);
    EXPECT_EQ(test::ReadWholeFile(s.Ide().HelpContentsFile()), ":Include kvd6.cnt\r\n");
}

TEST(HelpInclude, StandsOnceAfterTwoInstallations) {
    test::HostScenario s(Delphi6);
    test::RecordingView view;
    hosts::InstallHelp(view);
    fixture::LayOutInstallFolder(Delphi6, s.InstallPath());
    hosts::InstallHelp(view);

    auto lines = rtl::SplitLines(test::ReadWholeFile(s.Ide().HelpContentsFile()));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ":Include kvd6.cnt"), 1);
}

TEST(HelpInclude, InOtherLettersCountsAsPresentAndTheFileIsRewrittenWithCrLf) {
    test::HostScenario s(Delphi6);
    test::WriteWholeFile(s.Ide().HelpContentsFile(), ":Base delphi6.hlp\n:INCLUDE KVD6.CNT\r:Include vcl6.cnt");
    test::RecordingView view;
    hosts::InstallHelp(view);
    EXPECT_EQ(test::ReadWholeFile(s.Ide().HelpContentsFile()),
              ":Base delphi6.hlp\r\n:INCLUDE KVD6.CNT\r\n:Include vcl6.cnt\r\n");
}

TEST(HelpInclude, EveryHostIncludesItsOwnSuiteContentsInItsOwnFile) {
    const struct {
        const char* host;
        const char* contents;  // the IDE's own, in its Help folder
        const char* include;
        const char* helpFile;
    } cases[] = {
        {"Delphi 4", "delphi4.cnt", ":Include kvd4.cnt", "kvd4.hlp"},
        {"Delphi 5", "delphi5.cnt", ":Include kvd5.cnt", "kvd5.hlp"},
        {"Delphi 6", "delphi6.cnt", ":Include kvd6.cnt", "kvd6.hlp"},
        {"C++ Builder 4", "bcb4.cnt", ":Include kvc4.cnt", "kvc4.hlp"},
        {"C++ Builder 5", "bcb5.cnt", ":Include kvc5.cnt", "kvc5.hlp"},
        {"C++ Builder 6", "bcb6.cnt", ":Include kvc6.cnt", "kvc6.hlp"},
    };
    for (int host = 0; host < hosts::HostCount; ++host) {
        SCOPED_TRACE(cases[host].host);
        test::HostScenario s(host);
        test::RecordingView view;
        hosts::InstallHelp(view);
        auto lines = rtl::SplitLines(test::ReadWholeFile(s.Ide().HelpFolder() + "\\" + cases[host].contents));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), cases[host].include);
        EXPECT_EQ(s.ProductValue("HelpFile"), s.Ide().HelpFolder() + "\\" + cases[host].helpFile);
    }
}

// ---- Writing the IDE's contents file ----

std::vector<std::string> Sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(HelpContentsWrite, AVolumeFullHalfwayLeavesTheOriginalIntactAndNoTemporaryFile) {
    test::HostScenario s(Delphi6);
    const std::string contents = s.Ide().HelpContentsFile();
    const std::string before = test::ReadWholeFile(contents);
    test::RecordingView view;
    {
        // Half the bytes go to disk, then the volume is full.
        platform::ScopedOverride<decltype(platform::FileApi::writeFile)> full(
            platform::Files().writeFile, [&](platform::Handle h, const void* data, uint32_t count, uint32_t* done) {
                full.Original()(h, data, count / 2, done);
                return false;
            });
        EXPECT_THROW(hosts::InstallHelp(view), rtl::EWriteError);
    }
    EXPECT_EQ(test::ReadWholeFile(contents), before);
    EXPECT_EQ(Sorted(test::EntryNames(s.Ide().HelpFolder())), (std::vector<std::string>{"delphi6.cnt", "kvd6.cnt", "kvd6.hlp"}));
    EXPECT_EQ(s.ProductValue("HelpFile"), "") << "nothing is recorded after a failed write";
}

TEST(HelpContentsWrite, ARefusedReplacementLeavesTheOriginalIntactAndNoTemporaryFile) {
    test::HostScenario s(Delphi6);
    const std::string contents = s.Ide().HelpContentsFile();
    const std::string before = test::ReadWholeFile(contents);
    test::RecordingView view;
    {
        platform::ScopedOverride<decltype(platform::FileApi::replaceFile)> locked(
            platform::Files().replaceFile, [](const std::string&, const std::string&) { return false; });
        try {
            hosts::InstallHelp(view);
            ADD_FAILURE() << "no error raised";
        } catch (const rtl::EFCreateError& e) {
            EXPECT_EQ(e.Message(), "Cannot create file " + contents);
        }
    }
    EXPECT_EQ(test::ReadWholeFile(contents), before);
    EXPECT_EQ(Sorted(test::EntryNames(s.Ide().HelpFolder())), (std::vector<std::string>{"delphi6.cnt", "kvd6.cnt", "kvd6.hlp"}));
    EXPECT_EQ(s.ProductValue("HelpFile"), "");
}

TEST(HelpContentsWrite, AContentsFileThatCannotBeCreatedIsNamedInTheError) {
    test::HostScenario s(Delphi6);
    const std::string contents = s.Ide().HelpContentsFile();
    const std::string before = test::ReadWholeFile(contents);
    test::RecordingView view;
    {
        // The Help folder takes no new files: creating anything for writing there fails.
        platform::ScopedOverride<decltype(platform::FileApi::createFile)> refused(
            platform::Files().createFile,
            [&](const std::string& path, uint32_t access, uint32_t share, uint32_t disposition, uint32_t attrs) {
                if (access & platform::access::Write) return platform::InvalidHandle;
                return refused.Original()(path, access, share, disposition, attrs);
            });
        try {
            hosts::InstallHelp(view);
            ADD_FAILURE() << "no error raised";
        } catch (const rtl::EFCreateError& e) {
            EXPECT_EQ(e.Message(), "Cannot create file " + contents) << "not the temporary file beside it";
        }
    }
    EXPECT_EQ(test::ReadWholeFile(contents), before);
    EXPECT_EQ(s.ProductValue("HelpFile"), "");
}

TEST(HelpContentsWrite, AnUnreadableContentsFileRaisesTheOpenErrorAndRecordsNothing) {
    test::HostScenario s(Delphi6);
    const std::string contents = s.Ide().HelpContentsFile();
    test::RecordingView view;
    {
        platform::ScopedOverride<decltype(platform::FileApi::createFile)> locked(
            platform::Files().createFile,
            [&](const std::string& path, uint32_t access, uint32_t share, uint32_t disposition, uint32_t attrs) {
                if (path == contents) return platform::InvalidHandle;  // held open by a running help viewer
                return locked.Original()(path, access, share, disposition, attrs);
            });
        try {
            hosts::InstallHelp(view);
            ADD_FAILURE() << "no error raised";
        } catch (const rtl::EFOpenError& e) {
            EXPECT_EQ(e.Message(), "Cannot open file " + contents);
        }
    }
    // The moved files stay where they went; nothing is recorded.
    EXPECT_TRUE(test::FileExists(s.Ide().HelpFolder() + "\\kvd6.hlp"));
    EXPECT_EQ(s.ProductValue("HelpFile"), "");
}

}  // namespace
