// Installations taken back through Programs and Features: the entry's command started as Windows
// starts it, its boxes answered, and the machine compared with its state before the first
// installation, byte for byte. Runs where the file server keeps Windows' rule for read-only
// files (tools/wine-windows-rule.sh): the payload stores one read-only file.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "fixtures/fakeide/FakeRegistry.h"
#include "fixtures/runningide/RunningIde.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/DiskFiles.h"
#include "tests/e2e/driver/HeldFile.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/ProgramsAndFeatures.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/e2e/driver/StoredValues.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;
using e2e_test::ExpectBox;

constexpr char Title[] = "Korvane installer/uninstaller";
constexpr char Question[] = "Remove Korvane 4.3 from Delphi 6?";
constexpr char Removed[] = "Korvane 4.3 was removed from Delphi 6.";
constexpr char EntryName[] = "Korvane 4.3 for Delphi 6";
// The removal waits for its own end to delete its program: a machine under load may take long.
constexpr int SelfRemovalLimitMs = 120000;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Names and bytes of the files below a folder.
std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const DiskFile& f : FilesBelow(folder)) files[f.name] = test::ReadWholeFile(folder + f.name);
    return files;
}

// What the removal must leave as it found it before the first installation.
struct MachineState {
    StoredValue searchPath;
    std::map<std::string, StoredValue> knownPackages;
    std::string helpContents;
    std::map<std::string, std::string> helpFolder;
    bool runtimePackage, productRecords, uninstallers;
    size_t entries;
};

MachineState StateOf(const fixture::FakeIde& ide) {
    return {ValueOf(HKEY_CURRENT_USER, ide.LibraryKey(), "Search Path"),
            AllValues(HKEY_CURRENT_USER, ide.KnownPackagesKey()),
            test::ReadWholeFile(ide.HelpContentsFile()),
            Contents(ide.HelpFolder()),
            Exists(Machine::SystemFolder() + "\\kv40d6.bpl"),
            fixture::KeyExists(fixture::Hive::LocalMachine, "SOFTWARE\\Maltrow Software"),
            Exists(ProgramFilesFolder() + "\\Maltrow Software"),
            EntriesNamed(EntryName).size()};
}

void ExpectSame(const MachineState& now, const MachineState& before) {
    EXPECT_EQ(now.searchPath, before.searchPath);
    EXPECT_EQ(now.knownPackages, before.knownPackages);
    EXPECT_EQ(now.helpContents, before.helpContents);
    EXPECT_EQ(now.helpFolder, before.helpFolder);
    EXPECT_EQ(now.runtimePackage, before.runtimePackage);
    EXPECT_EQ(now.productRecords, before.productRecords);
    EXPECT_EQ(now.uninstallers, before.uninstallers);
    EXPECT_EQ(now.entries, before.entries);
}

// The one entry of Delphi 6.
ProgramEntry Entry() {
    const std::vector<ProgramEntry> entries = EntriesNamed(EntryName);
    if (entries.size() != 1) throw std::runtime_error(std::to_string(entries.size()) + " entries for Delphi 6");
    return entries[0];
}

// Uninstall in Programs and Features starts the entry's command, which asks first.
void Answer(const InstallerProcess& uninstaller, bool yes, const char* picture = nullptr) {
    MessageBoxWindow question = ExpectBox(uninstaller, Title, Question, e2e_test::YesNo);
    if (picture) Screenshot(picture, {question.Box()});
    PressKey(question.Box(), yes ? 'Y' : 'N');
}

// The removal ends with its box; its program, its record and its folders go after it.
void ExpectRemoved(InstallerProcess& uninstaller, const std::string& program) {
    MessageBoxWindow done = ExpectBox(uninstaller, Title, Removed, e2e_test::OkOnly);
    Screenshot("removal-done", {done.Box()});
    PressKey(done.Box(), VK_RETURN);
    EXPECT_EQ(uninstaller.ExitCode(), 0u);
    WaitUntil([&] { return !Exists(ProgramFilesFolder() + "\\Maltrow Software"); },
              "the uninstaller's folders to go after " + program, SelfRemovalLimitMs);
}

TEST(Removal, TakesBackAnInstallationByteForByteAndLeavesTheUsersFile) {
    test::TempDir temp;
    Machine machine(temp.Path());
    const fixture::FakeIde& ide = machine.Ide(Delphi6);
    const std::string folder = temp.Path() + "\\Korvane";
    // What the installation rewrites in its own way: an expanding value that ends in a separator
    // and already names the suite's folder, and a contents file with bare line feeds and no last
    // line end.
    SetValue(HKEY_CURRENT_USER, ide.LibraryKey(), "Search Path",
             {REG_EXPAND_SZ, folder + "\\Lib;$(DELPHI)\\Lib;%BDS%\\Bin;" + '\0'});
    test::WriteWholeFile(ide.HelpContentsFile(), ":Base delphi6.hlp>main\n:Title Delphi 6 Help\n1 Getting started");
    const MachineState before = StateOf(ide);

    e2e_test::Install({1, folder});
    const ProgramEntry entry = Entry();
    const std::string program = entry.Uninstaller();
    EXPECT_EQ(ValueOf(HKEY_CURRENT_USER, ide.LibraryKey(), "Search Path"),
              (StoredValue{REG_SZ, folder + "\\Lib;$(DELPHI)\\Lib;%BDS%\\Bin;" + folder + "\\Lib" + '\0'}));

    // The entry, and an uninstaller that no user may replace: below Program Files, not in the
    // install folder.
    EXPECT_EQ(entry.Text("DisplayVersion"), "4.3");
    EXPECT_EQ(entry.Text("Publisher"), "Maltrow Software");
    EXPECT_EQ(entry.Text("InstallLocation"), folder);
    EXPECT_EQ(entry.Text("UninstallString"), "\"" + program + "\"");
    EXPECT_EQ(entry.Text("DisplayIcon"), program + ",0");
    const std::string one("\x01\0\0\0", 4);
    EXPECT_EQ(entry.values.at("NoModify"), (StoredValue{REG_DWORD, one}));
    EXPECT_EQ(entry.values.at("NoRepair"), (StoredValue{REG_DWORD, one}));
    EXPECT_EQ(program.rfind(ProgramFilesFolder() + "\\Maltrow Software\\", 0), 0u) << program;
    EXPECT_TRUE(test::FileExists(program));
    // What the installation put on disk, in KiB rounded up.
    uint64_t bytes = 0;
    for (const std::string& place : {folder, program.substr(0, program.rfind('\\'))})
        for (const DiskFile& f : FilesBelow(place)) bytes += f.size;
    for (const char* file : {"\\kvd6.hlp", "\\kvd6.cnt"}) bytes += FileAt(ide.HelpFolder() + file, file).size;
    bytes += FileAt(Machine::SystemFolder() + "\\kv40d6.bpl", "kv40d6.bpl").size;
    const uint32_t kib = static_cast<uint32_t>((bytes + 1023) / 1024);
    EXPECT_EQ(entry.values.at("EstimatedSize"), (StoredValue{REG_DWORD, std::string(reinterpret_cast<const char*>(&kib), 4)}));

    // The user adds a file of their own.
    test::WriteWholeFile(folder + "\\Sources\\Mine.pas", "unit Mine;");
    const MachineState installed = StateOf(ide);
    const std::map<std::string, std::string> installedFiles = Contents(folder);

    // No changes nothing.
    {
        InstallerProcess uninstaller(program);
        Answer(uninstaller, false, "removal-question");
        EXPECT_EQ(uninstaller.ExitCode(), 1u);
        ExpectSame(StateOf(ide), installed);
        EXPECT_EQ(Contents(folder), installedFiles);
    }
    // Nor does Yes while an IDE runs: a warning says why.
    {
        fixture::RunningIde running;
        InstallerProcess uninstaller(Entry().Uninstaller());
        Answer(uninstaller, true);
        MessageBoxWindow warning = ExpectBox(uninstaller, "Warning",
                                             "Korvane 4.3 cannot be removed while a Delphi or C++ Builder IDE is "
                                             "running.\r\rPlease close it, then remove Korvane 4.3 again.",
                                             e2e_test::OkOnly);
        PressKey(warning.Box(), VK_RETURN);
        EXPECT_EQ(uninstaller.ExitCode(), 1u);
        ExpectSame(StateOf(ide), installed);
        EXPECT_EQ(Contents(folder), installedFiles);
    }

    InstallerProcess uninstaller(Entry().Uninstaller());
    Answer(uninstaller, true);
    ExpectRemoved(uninstaller, program);
    ExpectSame(StateOf(ide), before);
    EXPECT_EQ(Contents(folder), (std::map<std::string, std::string>{{"\\Sources\\Mine.pas", "unit Mine;"}}));
}

TEST(Removal, AfterAFailedCompilationAndAReinstallationElsewhereFinishesOnceAFileInUseIsFree) {
    test::TempDir temp;
    Machine machine(temp.Path());
    const fixture::FakeIde& ide = machine.Ide(Delphi6);
    const std::string first = temp.Path() + "\\Korvane", second = temp.Path() + "\\Components\\Korvane";
    const MachineState before = StateOf(ide);

    ide.FailTools();
    e2e_test::Install({1, first});
    e2e_test::CloseInstructionsInNotepad();
    ASSERT_TRUE(test::FileExists(first + "\\error.log"));
    ide.MendTools();
    e2e_test::Install({1, second});
    // One entry for the IDE, naming the latest folder.
    EXPECT_EQ(Entry().Text("InstallLocation"), second);
    const std::string program = Entry().Uninstaller();

    {
        const std::string held = second + "\\Sources\\KvConsts.pas";
        HeldFile inUse(held);
        InstallerProcess uninstaller(Entry().Uninstaller());
        Answer(uninstaller, true);
        MessageBoxWindow warning = ExpectBox(uninstaller, "Warning", "Cannot delete file " + held, e2e_test::OkOnly);
        PressKey(warning.Box(), VK_RETURN);
        EXPECT_NE(uninstaller.ExitCode(), 0u);
        // Everything else is taken back; the entry and the uninstaller stay for what is left.
        EXPECT_EQ(ValueOf(HKEY_CURRENT_USER, ide.LibraryKey(), "Search Path"), before.searchPath);
        EXPECT_FALSE(Exists(first));
        const std::vector<DiskFile> left = FilesBelow(second);
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].name, "\\Sources\\KvConsts.pas");
        EXPECT_EQ(Entry().Uninstaller(), program);
        EXPECT_TRUE(test::FileExists(program));
    }
    InstallerProcess uninstaller(Entry().Uninstaller());
    Answer(uninstaller, true);
    ExpectRemoved(uninstaller, program);
    ExpectSame(StateOf(ide), before);
    EXPECT_FALSE(Exists(first));
    EXPECT_FALSE(Exists(temp.Path() + "\\Components"));

    // Installing again after the removal gives one entry again.
    e2e_test::Install({1, second});
    EXPECT_EQ(Entry().Text("InstallLocation"), second);
}

}  // namespace
