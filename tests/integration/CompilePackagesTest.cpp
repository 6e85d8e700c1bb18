// Package compilation end to end: the real rebuild.bat through Wine's real cmd.exe, running the
// fake IDE tools, with the run-time package landing in Wine's real system folder. Notepad and
// bringing the window to the front are replaced and recorded.
#include <gtest/gtest.h>

#include <windows.h>

#include "hosts/HostTable.h"
#include "hosts/IntegrationSteps.h"
#include "platform/Process.h"
#include "rtl/Exceptions.h"
#include "rtl/TextLines.h"
#include "tests/integration/ExpectedCompileTexts.h"
#include "tests/integration/HostScenario.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/WaitFor.h"

namespace {

constexpr int Delphi6 = 2;
constexpr int CBuilder6 = 5;
using hosts::CheckState;
using Lines = std::vector<std::string>;

// The system folder as Windows reports it, for the expected texts and paths.
std::string SystemFolder() {
    char path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

// Records Notepad and the call to the front; removes what the batch put into the system folder.
class CompileRun {
public:
    explicit CompileRun(int host)
        : texts_(test::CompileTexts[host]),
          notepad_(platform::Processes().startProgram, [this](const std::string& program, const std::string& command) {
              opened.push_back(program + " | " + command);
              return true;
          }),
          front_(platform::Ui().bringApplicationToFront, [this] { ++broughtToFront; }) {
        RemoveSystemCopies();
    }
    ~CompileRun() { RemoveSystemCopies(); }

    Lines opened;
    int broughtToFront = 0;

private:
    void RemoveSystemCopies() {
        DeleteFileA((SystemFolder() + "\\" + texts_.rtmBinary).c_str());
        DeleteFileA((SystemFolder() + "\\" + texts_.dtmBinary).c_str());
    }

    const test::HostCompileTexts& texts_;
    platform::ScopedOverride<decltype(platform::ProcessApi::startProgram)> notepad_;
    platform::ScopedOverride<decltype(platform::UiApi::bringApplicationToFront)> front_;
};

struct ToolRun {
    std::string tool, folder, args;
};

std::vector<ToolRun> ToolRuns(const fixture::FakeIde& ide) {
    std::vector<ToolRun> runs;
    for (const auto& line : ide.ToolRuns()) {
        size_t a = line.find('\t'), b = line.find('\t', a + 1);
        runs.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    return runs;
}

std::string Lib(const test::HostScenario& s, const char* file) { return s.InstallPath() + "\\Lib\\" + file; }

// Notepad from the system folder with the instructions by full path: "program | command line".
std::string NotepadWithInstructions(const test::HostScenario& s) {
    const std::string notepad = SystemFolder() + "\\notepad.exe";
    return notepad + " | \"" + notepad + "\" \"" + s.InstallPath() + "\\error.log\"";
}

// ---- Compiled ----

TEST(CompilePackages, EveryHostCompilesWithItsOwnToolsInTheLibFolder) {
    for (int i = 0; i < hosts::HostCount; ++i) {
        const test::HostCompileTexts& host = test::CompileTexts[i];
        SCOPED_TRACE(host.hostName);
        test::HostScenario s(i, "My Korvane");  // blanks in both folders
        CompileRun run(i);
        test::RecordingView view;
        hosts::CompilePackages(view);

        EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Checked});
        EXPECT_TRUE(test::FileExists(SystemFolder() + "\\" + host.rtmBinary)) << "run-time package in the system folder";
        EXPECT_TRUE(test::FileExists(Lib(s, host.dtmBinary))) << "design-time package stays in Lib";
        EXPECT_FALSE(test::FileExists(Lib(s, host.rtmBinary))) << "the batch deletes its run-time copy";
        EXPECT_EQ(test::ReadWholeFile(s.InstallPath() + "\\rebuild.bat"),
                  test::CrLfText(test::ExpectedRebuildBatch(i, s.InstallPath(), s.Ide().RootDir(), SystemFolder())));
        EXPECT_FALSE(test::FileExists(s.InstallPath() + "\\error.log"));
        EXPECT_TRUE(run.opened.empty());
        EXPECT_EQ(run.broughtToFront, 1);
        char current[MAX_PATH];
        ASSERT_NE(GetCurrentDirectoryA(sizeof current, current), 0u);
        EXPECT_EQ(lstrcmpiA(current, s.InstallPath().c_str()), 0) << current;

        Lines calls;
        for (const auto& r : ToolRuns(s.Ide())) {
            calls.push_back(r.tool + " " + r.args);
            EXPECT_EQ(lstrcmpiA(r.folder.c_str(), (s.InstallPath() + "\\Lib").c_str()), 0) << r.folder;
        }
        EXPECT_EQ(calls, host.toolRuns);
    }
}

// cmd.exe reads the batch in the console's code page, which here (437) lacks the Œ that the ANSI
// one (1252) has: the install folder goes by its short 8.3 name, and the packages are built.
TEST(CompilePackages, AFolderWithALetterTheConsolePageLacksGoesByItsShortName) {
    ASSERT_EQ(GetACP(), 1252u) << "the test prefix's code pages";
    ASSERT_EQ(GetOEMCP(), 437u) << "the test prefix's code pages";
    test::HostScenario s(Delphi6, "\x8Cuvre Korvane");
    CompileRun run(Delphi6);
    test::RecordingView view;
    hosts::CompilePackages(view);

    EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Checked});
    char shortName[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameA(s.InstallPath().c_str(), shortName, MAX_PATH), 0u);
    EXPECT_EQ(std::string(shortName).find('\x8C'), std::string::npos) << shortName;
    const Lines batch = rtl::SplitLines(test::ReadWholeFile(s.InstallPath() + "\\rebuild.bat"));
    ASSERT_EQ(batch.size(), 14u);
    EXPECT_EQ(batch[4], "CD \"" + std::string(shortName) + "\\Lib\"");
    EXPECT_EQ(batch[9], "\"" + s.Ide().RootDir() + "\\Bin\\dcc32.exe\" kv40d6.dpk") << "a root the console spells";
}

TEST(CompilePackages, SuccessLeavesAnEarlierInstructionFileInPlace) {
    test::HostScenario s(Delphi6);
    CompileRun run(Delphi6);
    test::WriteWholeFile(s.InstallPath() + "\\error.log", "from an earlier run\r\n");
    test::RecordingView view;
    hosts::CompilePackages(view);

    EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Checked});
    EXPECT_EQ(test::ReadWholeFile(s.InstallPath() + "\\error.log"), "from an earlier run\r\n");
    EXPECT_TRUE(run.opened.empty());
}

// ---- Not compiled ----

TEST(CompilePackages, FailingToolsLeaveInstructionsAndOpenThemInNotepad) {
    test::HostScenario s(Delphi6);
    CompileRun run(Delphi6);
    s.Ide().FailTools();
    test::RecordingView view;
    hosts::CompilePackages(view);

    EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Unchecked});
    EXPECT_EQ(test::ReadWholeFile(s.InstallPath() + "\\error.log"),
              test::CrLfText(test::ExpectedInstructions(Delphi6, SystemFolder())));
    EXPECT_EQ(run.opened, Lines{NotepadWithInstructions(s)});
    EXPECT_TRUE(test::FileExists(s.InstallPath() + "\\rebuild.bat"));
    EXPECT_FALSE(test::FileExists(SystemFolder() + "\\kv40d6.bpl"));
    EXPECT_EQ(ToolRuns(s.Ide()).size(), 2u) << "the batch goes on after a failing tool";
}

TEST(CompilePackages, ADesignTimePackageAloneIsAFailure) {
    test::HostScenario s(CBuilder6);
    CompileRun run(CBuilder6);
    s.Ide().FailTools({"kv40c6.mak"});
    test::RecordingView view;
    hosts::CompilePackages(view);

    EXPECT_TRUE(test::FileExists(Lib(s, "dclkv40c6.bpl")));
    EXPECT_FALSE(test::FileExists(SystemFolder() + "\\kv40c6.bpl"));
    EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Unchecked});
    EXPECT_EQ(run.opened, Lines{NotepadWithInstructions(s)});
    EXPECT_EQ(test::ReadWholeFile(s.InstallPath() + "\\error.log"),
              test::CrLfText(test::ExpectedInstructions(CBuilder6, SystemFolder())));
}

TEST(CompilePackages, BinariesOfAnEarlierInstallationDoNotCount) {
    test::HostScenario s(Delphi6);
    CompileRun run(Delphi6);
    test::WriteWholeFile(SystemFolder() + "\\kv40d6.bpl", "old");
    test::WriteWholeFile(Lib(s, "dclkv40d6.bpl"), "old");
    s.Ide().FailTools();
    test::RecordingView view;
    hosts::CompilePackages(view);

    EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Unchecked});
    EXPECT_FALSE(test::FileExists(SystemFolder() + "\\kv40d6.bpl"));
    EXPECT_FALSE(test::FileExists(Lib(s, "dclkv40d6.bpl")));
}

TEST(CompilePackages, ABatchThatCannotStartRaisesAndLeavesTheStateAlone) {
    test::HostScenario s(Delphi6);
    CompileRun run(Delphi6);
    std::string program, startedWith, title;
    bool hidden = false;
    platform::ScopedOverride<decltype(platform::ProcessApi::createProcess)> refuse(
        platform::Processes().createProcess,
        [&](const std::string& application, const std::string& command, const std::string& t, bool h) {
            program = application;
            startedWith = command;
            title = t;
            hidden = h;
            return platform::InvalidHandle;
        });
    test::RecordingView view;
    try {
        hosts::CompilePackages(view);
        ADD_FAILURE() << "no error raised";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Error occured when trying to compile packages. Compilation is not done.");
    }
    // The interpreter from the system folder; the batch relative to the current folder, the install folder.
    EXPECT_EQ(program, SystemFolder() + "\\cmd.exe");
    EXPECT_EQ(startedWith, "\"" + SystemFolder() + "\\cmd.exe\" /D /C \".\\rebuild.bat\"");
    EXPECT_EQ(title, "Compile Korvane packages");
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(view.states.empty()) << "cbCompiling stays grayed";
    EXPECT_TRUE(test::FileExists(s.InstallPath() + "\\rebuild.bat"));
    EXPECT_FALSE(test::FileExists(s.InstallPath() + "\\error.log"));
    EXPECT_TRUE(run.opened.empty());
    EXPECT_EQ(run.broughtToFront, 0);
}

TEST(CompilePackages, ABatchOrInstructionFileThatCannotBeCreatedRaisesTheFileError) {
    const struct {
        const char* file;
        bool toolsFail;
        std::vector<CheckState> states;  // what cbCompiling was set to before the error
        size_t toolRuns;
    } cases[] = {
        {"rebuild.bat", false, {}, 0},
        {"error.log", true, {CheckState::Unchecked}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        test::HostScenario s(Delphi6);
        CompileRun run(Delphi6);
        if (c.toolsFail) s.Ide().FailTools();
        // A file of that name in use by another program: it cannot be created for writing.
        platform::ScopedOverride<decltype(platform::FileApi::createFile)> inUse(
            platform::Files().createFile,
            [&](const std::string& path, uint32_t access, uint32_t share, uint32_t disposition, uint32_t attrs) {
                if (path == c.file && (access & platform::access::Write)) return platform::InvalidHandle;
                return inUse.Original()(path, access, share, disposition, attrs);
            });
        test::RecordingView view;
        try {
            hosts::CompilePackages(view);
            ADD_FAILURE() << "no error raised";
        } catch (const rtl::EFCreateError& e) {
            EXPECT_EQ(e.Message(), std::string("Cannot create file ") + c.file);
        }
        EXPECT_EQ(view.states, c.states);
        EXPECT_EQ(ToolRuns(s.Ide()).size(), c.toolRuns);
        EXPECT_TRUE(run.opened.empty()) << "no Notepad without instructions";
    }
}

// The shell's association of .log files with a program, made for the test in HKEY_CLASSES_ROOT
// (which Wine reads from HKEY_LOCAL_MACHINE\Software\Classes alone) and removed after it.
class LogFileAssociation {
public:
    explicit LogFileAssociation(const std::string& program) {
        EXPECT_FALSE(fixture::KeyExists(fixture::Hive::ClassesRoot, ".log")) << "an association this test did not make";
        fixture::SetString(fixture::Hive::ClassesRoot, ".log", "", ProgId);
        fixture::SetString(fixture::Hive::ClassesRoot, std::string(ProgId) + "\\shell\\open\\command", "",
                           "\"" + program + "\" \"%1\"");
    }
    ~LogFileAssociation() {
        fixture::DeleteTree(fixture::Hive::ClassesRoot, ".log");
        fixture::DeleteTree(fixture::Hive::ClassesRoot, ProgId);
    }

private:
    static constexpr char ProgId[] = "KorvaneTest.LogFile";
};

TEST(CompilePackages, WithoutNotepadTheInstructionsOpenInTheProgramTheShellOpensLogFilesWith) {
    test::HostScenario s(Delphi6);
    CompileRun run(Delphi6);
    s.Ide().FailTools();
    Lines tried;
    platform::ScopedOverride<decltype(platform::ProcessApi::startProgram)> noNotepad(
        platform::Processes().startProgram, [&](const std::string& program, const std::string& command) {
            tried.push_back(program + " | " + command);
            return false;
        });
    test::TempDir viewerFolder;
    const std::string viewer = viewerFolder.Path() + "\\logview.exe";
    ASSERT_TRUE(CopyFileA((test::ExecutableFolder() + "planted_program.exe").c_str(), viewer.c_str(), FALSE));
    LogFileAssociation association(viewer);
    test::RecordingView view;
    hosts::CompilePackages(view);

    EXPECT_EQ(tried, Lines{NotepadWithInstructions(s)});
    std::string openedWith;
    EXPECT_TRUE(test::WaitFor([&] {
        openedWith = test::FileExists(viewer + ".marker") ? test::ReadWholeFile(viewer + ".marker") : "";
        return !openedWith.empty();
    })) << "the associated program started";
    EXPECT_EQ(openedWith, "\"" + viewer + "\" \"" + s.InstallPath() + "\\error.log\"");
    EXPECT_EQ(view.states, std::vector<CheckState>{CheckState::Unchecked});
    EXPECT_TRUE(s.warningTexts.empty());
}

// ---- The system folder ----

TEST(GetSystemFolder, DropsOneTrailingBackslashButKeepsADriveRoot) {
    EXPECT_NE(hosts::GetSystemFolder(), "");
    EXPECT_NE(hosts::GetSystemFolder().back(), '\\');
    for (auto [reported, expected] : {std::pair{"C:\\WINDOWS\\SYSTEM32\\", "C:\\WINDOWS\\SYSTEM32"},
                                      std::pair{"C:\\WINNT\\system32", "C:\\WINNT\\system32"},
                                      std::pair{"C:\\", "C:\\"}}) {
        platform::ScopedOverride<decltype(platform::FileApi::getSystemDirectory)> sys(
            platform::Files().getSystemDirectory, [r = std::string(reported)] { return r; });
        EXPECT_EQ(hosts::GetSystemFolder(), expected);
    }
}

}  // namespace
