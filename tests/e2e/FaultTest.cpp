// Failures of the installation run through the windows, each made for real where it can be made
// here, one installation per case: the warning box with the error's message, the wizard left on
// "Installing" with Next and Exit enabled and Back disabled, the check boxes as the run left them,
// and from the outside: what the run reached is complete, what it did not reach is unchanged.
// Runs where the file server keeps Windows' rule for read-only files (tools/wine-windows-rule.sh).
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/e2e/PackedFiles.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/DiskFiles.h"
#include "tests/e2e/driver/FullVolume.h"
#include "tests/e2e/driver/HeldFile.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/KeyboardInstallation.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/PlantedFiles.h"
#include "tests/e2e/driver/RefusedKey.h"
#include "tests/e2e/driver/StoredValues.h"
#include "tests/support/TempDir.h"

namespace {

using fixture::Hive;
using namespace e2e;
using e2e_test::CommonFileCount;
using e2e_test::D6FileCount;
using e2e_test::D6HelpFileCount;
using e2e_test::ExpectExtracted;
using e2e_test::ExpectInstalled;
using e2e_test::Packed;

constexpr int U = BST_UNCHECKED, C = BST_CHECKED, G = BST_INDETERMINATE;

// The five check boxes of "Installing", by caption.
using Progress = std::map<std::string, int>;
Progress Boxes(int main, int addit, int help, int registering, int compiling) {
    return {{"Korvane components installation", main}, {"Additional files installation", addit},
            {"Help installation", help}, {"Component registration", registering},
            {"Component compilation", compiling}};
}
Progress ProgressOf(const WizardWindow& wizard) {
    Progress seen;
    for (const Window& box : wizard.CurrentPage().Descendants("Button")) seen[box.Text()] = box.CheckState();
    return seen;
}

// What the IDE and the product record hold, read from the outside.
struct IdeState {
    StoredValue searchPath;
    std::vector<std::pair<std::string, std::string>> knownPackages;
    std::string helpContents;
    std::vector<DiskFile> helpFolder;
    int productValues = -1;
};
IdeState StateOf(const fixture::FakeIde& ide) {
    return {ValueOf(HKEY_CURRENT_USER, ide.LibraryKey(), "Search Path"),
            fixture::Values(Hive::CurrentUser, ide.KnownPackagesKey()), test::ReadWholeFile(ide.HelpContentsFile()),
            FilesBelow(ide.HelpFolder()), ValueCount(HKEY_LOCAL_MACHINE, fixture::ProductKey(Delphi6))};
}

// One installation into Delphi 6 with its fault in place.
struct Scene {
    std::string temp;
    const fixture::FakeIde& ide;
    std::string folder;  // the install folder typed on "InstallPath"
    IdeState before;     // just before install.exe starts
    std::string skipped;  // why the fault cannot be made here
    std::string program = BesideDriver("install.exe");  // the installer started
};

struct FaultCase {
    const char* name;
    // Makes the fault, undone when the result goes; may set another install folder, or skip.
    std::function<std::shared_ptr<void>(Scene&)> make;
    // The warning boxes, in the order they come.
    std::function<std::vector<std::string>(const Scene&)> boxes;
    Progress atBox, after;
    // What the run reached and what it did not, after it ended (the fault still in place).
    std::function<void(const Scene&)> expectState;
};

std::string SuiteEntry(const Scene& s) { return s.folder + "\\Lib"; }
StoredValue SearchPathWithSuite(const Scene& s) {
    std::string text = s.before.searchPath.data.c_str();  // without its terminating NUL
    text += ";" + SuiteEntry(s);
    return {REG_SZ, text + '\0'};
}
void ExpectNothingOfTheIdeChanged(const Scene& s) {
    const IdeState now = StateOf(s.ide);
    EXPECT_EQ(now.searchPath, s.before.searchPath);
    EXPECT_EQ(now.knownPackages, s.before.knownPackages);
    EXPECT_EQ(now.helpContents, s.before.helpContents);
    EXPECT_EQ(now.helpFolder, s.before.helpFolder);
    EXPECT_EQ(now.productValues, -1);
    EXPECT_TRUE(s.ide.ToolRuns().empty());
}
// Library path and package registered, the help pair moved into the IDE.
void ExpectRegisteredAndHelpMoved(const Scene& s) {
    EXPECT_EQ(ValueOf(HKEY_CURRENT_USER, s.ide.LibraryKey(), "Search Path"), SearchPathWithSuite(s));
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, s.ide.KnownPackagesKey(), s.folder + "\\Lib\\dclkv40d6.bpl"),
              "Korvane 4.3 package");
    EXPECT_EQ(test::ReadWholeFile(s.ide.HelpFolder() + "\\kvd6.hlp"), test::ReadWholeFile(Packed("d6") + "\\Help\\KVD6.HLP"));
    EXPECT_EQ(test::ReadWholeFile(s.ide.HelpFolder() + "\\kvd6.cnt"), test::ReadWholeFile(Packed("d6") + "\\Help\\kvd6.cnt"));
}
void ExpectAllExtracted(const Scene& s, bool helpMoved) {
    EXPECT_EQ(ExpectExtracted("common", s.folder), CommonFileCount);
    EXPECT_EQ(ExpectExtracted("d6", s.folder, helpMoved ? "\\Help\\" : ""),
              D6FileCount - (helpMoved ? D6HelpFileCount : 0));
}
std::string ProductValue(const char* name) {
    return fixture::GetString(Hive::LocalMachine, fixture::ProductKey(Delphi6), name);
}
void MakeReadOnlyFile(const std::string& path, const std::string& content) {
    test::MakeFolders(path.substr(0, path.rfind('\\')));
    test::WriteWholeFile(path, content);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
}

bool FolderThere(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

const std::string HeldName = "\\Sources\\KvConsts.pas";

// Downloads, where the installer is started from among planted programs and DLLs; the IDE's tools
// fail, so that the run reaches Notepad too.
std::string Downloads(const Scene& s) { return s.temp + "\\Downloads"; }
std::function<std::shared_ptr<void>(Scene&)> PlantBesideTheInstaller(bool windowsXp) {
    return [windowsXp](Scene& s) -> std::shared_ptr<void> {
        auto planted = std::make_shared<PlantedFiles>(Downloads(s), windowsXp);
        planted->ProveTheyAreReached();
        s.ide.FailTools();
        s.program = planted->Installer();
        return planted;
    };
}
// No planted file reached; the IDE's real tools ran in Lib; Notepad shows error.log.
void ExpectOnlyTheSystemsPrograms(const Scene& s) {
    EXPECT_EQ(PlantedFiles::Reached(Downloads(s)), std::vector<std::string>{});
    const std::vector<std::string> runs = s.ide.ToolRuns();
    EXPECT_EQ(runs.size(), 2u);
    for (const std::string& run : runs) {
        const size_t folderStart = run.find('\t') + 1;  // "tool<TAB>folder<TAB>arguments"
        const std::string folder = run.substr(folderStart, run.find('\t', folderStart) - folderStart);
        EXPECT_EQ(lstrcmpiA(folder.c_str(), (s.folder + "\\Lib").c_str()), 0) << run;
    }
    const std::string instructions = test::ReadWholeFile(s.folder + "\\error.log");
    Window notepad;
    WaitUntil(
        [&] {
            for (const Window& w : TopLevelWindows("Notepad"))
                if (w.Visible() && w.Text().find("error.log") != std::string::npos &&
                    w.Descendant("Edit").Text() == instructions)
                    notepad = w;
            return bool(notepad);
        },
        "Notepad showing error.log");
    PostMessageA(notepad.Handle(), WM_CLOSE, 0, 0);
}

constexpr char EarlierContent[] = "an earlier installation's content";

const FaultCase Cases[] = {
    {"VolumeFullDuringReinstallation",
     [](Scene& s) -> std::shared_ptr<void> {
         // An earlier installation's d6 files, a page of 4 KiB each, and room for the 13 shared
         // files that are not empty: the volume fills up once the d6 files are replaced.
         auto volume = std::make_shared<FullVolume>(s.temp + "\\scratch", (9 + 13) * 4096);
         if (!volume->Mounted()) {
             s.skipped = "no full volume: a tmpfs cannot be mounted here (mounting needs root): " + volume->Refusal();
             return nullptr;
         }
         s.folder = volume->Root() + "Korvane";
         for (const DiskFile& f : FilesBelow(Packed("d6"))) {
             const std::string path = s.folder + f.name;
             test::MakeFolders(path.substr(0, path.rfind('\\')));
             test::WriteWholeFile(path, EarlierContent);
         }
         return volume;
     },
     [](const Scene&) { return std::vector<std::string>{"Stream write error"}; }, Boxes(U, U, U, U, U),
     Boxes(U, U, U, U, U),
     [](const Scene& s) {
         ExpectNothingOfTheIdeChanged(s);
         // Every file is complete or as the earlier installation left it: none is cut, and no
         // temporary file stays beside them.
         int complete = 0, earlier = 0;
         for (const DiskFile& f : FilesBelow(s.folder)) {
             SCOPED_TRACE(f.name);
             const bool shared = test::FileExists(Packed("common") + f.name);
             ASSERT_TRUE(shared || test::FileExists(Packed("d6") + f.name));
             const std::string content = test::ReadWholeFile(s.folder + f.name);
             if (content == test::ReadWholeFile(Packed(shared ? "common" : "d6") + f.name))
                 ++complete;
             else if (!shared && content == EarlierContent)
                 ++earlier;
             else
                 ADD_FAILURE() << "cut: " << content.size() << " bytes";
         }
         EXPECT_GE(complete, 14) << "the shared files";
         EXPECT_GT(earlier, 0) << "the d6 file the volume had no room for";
     }},
    {"DestinationOpenInAnotherProgram",
     [](Scene& s) -> std::shared_ptr<void> {
         test::MakeFolders(s.folder + "\\Sources");
         test::WriteWholeFile(s.folder + HeldName, "old");
         return std::make_shared<HeldFile>(s.folder + HeldName);
     },
     [](const Scene& s) { return std::vector<std::string>{"Cannot create file " + s.folder + HeldName}; },
     Boxes(U, U, U, U, U), Boxes(U, U, U, U, U),
     [](const Scene& s) {
         ExpectNothingOfTheIdeChanged(s);
         EXPECT_EQ(FileAt(s.folder + HeldName, HeldName).size, 3u);
         // Stored breadth first, a folder's files as the file system lists them: the top folder's
         // file and those listed before the held one are written, the rest of its folder, the
         // deeper ones and the host's are not.
         ExpectInstalled("common", "\\readme.txt", s.folder);
         bool beforeHeld = true;
         int listed = 0;
         for (const std::string& name : FileNamesAsListed(Packed("common") + "\\Sources")) {
             ++listed;
             if (name == "KvConsts.pas") {
                 beforeHeld = false;
             } else if (beforeHeld) {
                 ExpectInstalled("common", "\\Sources\\" + name, s.folder);
             } else {
                 EXPECT_FALSE(test::FileExists(s.folder + "\\Sources\\" + name)) << name;
             }
         }
         EXPECT_EQ(listed, 7);
         EXPECT_FALSE(beforeHeld) << "the held file is not among the packed ones";
         EXPECT_FALSE(FolderThere(s.folder + "\\Demos"));
         EXPECT_FALSE(FolderThere(s.folder + "\\Lib"));
     }},
    {"IdeHelpContentsReadOnly",
     [](Scene& s) -> std::shared_ptr<void> {
         const std::string contents = s.ide.HelpContentsFile();
         EXPECT_TRUE(SetFileAttributesA(contents.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
         return nullptr;
     },
     [](const Scene& s) { return std::vector<std::string>{"Cannot create file " + s.ide.HelpContentsFile()}; },
     Boxes(C, C, C, U, U), Boxes(C, C, C, U, U),
     [](const Scene& s) {
         ExpectAllExtracted(s, true);
         ExpectRegisteredAndHelpMoved(s);
         EXPECT_EQ(test::ReadWholeFile(s.ide.HelpContentsFile()), s.before.helpContents);
         EXPECT_EQ(ProductValue("Path"), s.folder);
         EXPECT_EQ(ProductValue("Version"), "4.3");
         EXPECT_EQ(ValueOf(HKEY_LOCAL_MACHINE, fixture::ProductKey(Delphi6), "HelpFile").type, DWORD(REG_NONE));
         EXPECT_FALSE(test::FileExists(s.folder + "\\rebuild.bat"));
         EXPECT_TRUE(s.ide.ToolRuns().empty());
     }},
    {"SearchPathNotAString",
     [](Scene& s) -> std::shared_ptr<void> {
         HKEY key;
         EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, s.ide.LibraryKey().c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
         const DWORD number = 42;
         RegSetValueExA(key, "Search Path", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
         RegCloseKey(key);
         return nullptr;
     },
     [](const Scene&) { return std::vector<std::string>{"Invalid data type for 'Search Path'"}; },
     Boxes(C, C, C, U, U), Boxes(C, C, C, U, U),
     [](const Scene& s) {
         ExpectAllExtracted(s, false);
         ExpectNothingOfTheIdeChanged(s);
         EXPECT_FALSE(test::FileExists(s.folder + "\\rebuild.bat"));
     }},
    {"ProductRecordRefused",
     [](Scene&) -> std::shared_ptr<void> { return std::make_shared<RefusedKey>(fixture::ProductKey(Delphi6)); },
     [](const Scene&) {
         // "Path", "Version" and "HelpFile" each ask, and each time the run goes on.
         const std::string text = "Unable to write to registry:\r\n\\SOFTWARE\\Maltrow Software\\Korvane\\Delphi 6";
         return std::vector<std::string>{text, text, text};
     },
     Boxes(C, C, C, U, U), Boxes(C, C, C, C, C),
     [](const Scene& s) {
         ExpectAllExtracted(s, true);
         ExpectRegisteredAndHelpMoved(s);
         const std::string contents = test::ReadWholeFile(s.ide.HelpContentsFile());
         EXPECT_NE(contents.find(":Include kvd6.cnt\r\n"), std::string::npos);
         EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, fixture::ProductKey(Delphi6)), 0);
         EXPECT_EQ(s.ide.ToolRuns().size(), 2u);
         EXPECT_TRUE(test::FileExists(Machine::SystemFolder() + "\\kv40d6.bpl"));
     }},
    {"RebuildBatchReadOnly",
     [](Scene& s) -> std::shared_ptr<void> {
         MakeReadOnlyFile(s.folder + "\\rebuild.bat", "old");
         return nullptr;
     },
     [](const Scene&) { return std::vector<std::string>{"Cannot create file rebuild.bat"}; },
     Boxes(C, C, C, C, G), Boxes(C, C, C, C, G),
     [](const Scene& s) {
         ExpectAllExtracted(s, true);
         ExpectRegisteredAndHelpMoved(s);
         EXPECT_EQ(ProductValue("Path"), s.folder);
         EXPECT_EQ(ProductValue("Version"), "4.3");
         EXPECT_EQ(ProductValue("HelpFile"), s.ide.HelpFolder() + "\\kvd6.hlp");
         EXPECT_EQ(test::ReadWholeFile(s.folder + "\\rebuild.bat"), "old");
         EXPECT_TRUE(s.ide.ToolRuns().empty());
         EXPECT_FALSE(test::FileExists(s.folder + "\\error.log"));
     }},
    // Not a failure of the run: none of the programs and DLLs planted beside the installer is
    // started or loaded, where Windows restricts the DLL search and where it cannot (XP).
    {"ProgramsAndDllsPlantedBesideTheInstaller", PlantBesideTheInstaller(false),
     [](const Scene&) { return std::vector<std::string>{}; }, Boxes(C, C, C, C, U), Boxes(C, C, C, C, U),
     ExpectOnlyTheSystemsPrograms},
    {"ProgramsAndDllsPlantedBesideTheInstallerOnWindowsXp", PlantBesideTheInstaller(true),
     [](const Scene&) { return std::vector<std::string>{}; }, Boxes(C, C, C, C, U), Boxes(C, C, C, C, U),
     ExpectOnlyTheSystemsPrograms},
};

class Fault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Fault, EndsTheRunWithItsMessageAndLosesNothingOfTheIde) {
    const FaultCase& c = GetParam();
    test::TempDir temp;
    Machine machine(temp.Path());
    Scene scene{temp.Path(), machine.Ide(Delphi6), temp.Path() + "\\Korvane", {}, {}};
    const std::shared_ptr<void> fault = c.make(scene);
    if (!scene.skipped.empty()) GTEST_SKIP() << scene.skipped;
    if (HasFatalFailure()) return;
    scene.before = StateOf(scene.ide);

    InstallerProcess installer(scene.program);
    WizardWindow wizard(installer);
    StartInstallationByKeyboard(installer, wizard, {1, scene.folder});
    for (const std::string& text : c.boxes(scene)) {
        MessageBoxWindow box = e2e_test::ExpectBox(installer, "Warning", text, e2e_test::OkOnly);
        // The check boxes as the run left them, no button to press meanwhile.
        EXPECT_EQ(wizard.Page(), "Installing");
        EXPECT_EQ(ProgressOf(wizard), c.atBox);
        EXPECT_FALSE(wizard.Back().Enabled() || wizard.Next().Enabled() || wizard.Exit().Enabled());
        PressKey(box.Box(), VK_RETURN);
        box.WaitUntilClosed();
    }
    WaitUntil([&] { return wizard.Next().Enabled(); }, "the end of the installation run", RunLimitMs);
    EXPECT_TRUE(installer.VisibleWindows(MessageBoxClass).empty());
    EXPECT_EQ(wizard.Page(), "Installing");
    EXPECT_TRUE(wizard.Exit().Enabled());
    EXPECT_FALSE(wizard.Back().Enabled());
    EXPECT_EQ(ProgressOf(wizard), c.after);
    EXPECT_FALSE(wizard.OnPage("TLabel", "Compiling! Please wait ...").Visible());
    c.expectState(scene);
    // Next still leads to the finish page, whose close box ends the program.
    PressAlt(wizard.Form(), 'N');
    wizard.WaitForPage("WellDone");
    ClickCloseBox(wizard.Form());
    EXPECT_EQ(installer.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Installation, Fault, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

}  // namespace
