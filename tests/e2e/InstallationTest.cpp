// Whole installations through install.exe's windows, keyboard only, and what they leave on disk,
// in the registry and on the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "fixtures/fakeide/FakeRegistry.h"
#include "fixtures/helpengine/HelpEngine.h"
#include "tests/e2e/driver/DiskFiles.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/KeyboardInstallation.h"
#include "tests/e2e/PackedFiles.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/support/TempDir.h"

namespace {

using fixture::Hive;
using namespace e2e;

using e2e_test::ExpectExtracted;
using e2e_test::Packed;

// The licence file's lines as the memo shows them, joined by CR LF.
std::string LicenceAsShown() {
    std::string text = test::ReadWholeFile(KV_PAYLOAD_LICENSE_FILE), shown;
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    if (!text.empty() && text.back() == '\n') text.pop_back();
    for (char c : text) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return shown;
}

int CountLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (size_t at = 0; (at = text.find(line + "\r\n", at)) != std::string::npos; at += line.size()) ++count;
    return count;
}

TEST(Installation, IntoDelphi6ByKeyboardLeavesWhatItPromisesAndExitOpensTheHelp) {
    test::TempDir temp;
    Machine machine(temp.Path());
    const fixture::FakeIde& ide = machine.Ide(Delphi6);
    const std::string searchPath = fixture::GetString(Hive::CurrentUser, ide.LibraryKey(), "Search Path");
    const std::string delphi5SearchPath =
        fixture::GetString(Hive::CurrentUser, machine.Ide(Delphi5).LibraryKey(), "Search Path");
    const std::string folder = temp.Path() + "\\Korvane 4.3";

    InstallerProcess installer;
    WizardWindow wizard(installer);
    const InstallationSeen seen = InstallByKeyboard(installer, wizard, {1, folder});

    EXPECT_EQ(seen.pages, (std::vector<std::string>{"Welcome", "InstallPath", "BeforeInstall", "License agreement",
                                                    "Installing", "WellDone"}));
    EXPECT_EQ(seen.hostSelected, "Delphi 6");
    EXPECT_EQ(seen.hostPathField, ide.RootDir());
    EXPECT_EQ(seen.beforeInstallText, "Korvane components will be installed to \"" + folder +
                                          "\" folder.\r\rPress <Next> button to start installation ...");
    EXPECT_TRUE(seen.licenceMaximised);
    EXPECT_EQ(seen.licenceText, LicenceAsShown());
    EXPECT_EQ(seen.progress, (std::map<std::string, int>{{"Korvane components installation", BST_CHECKED},
                                                          {"Additional files installation", BST_CHECKED},
                                                          {"Help installation", BST_CHECKED},
                                                          {"Component registration", BST_CHECKED},
                                                          {"Component compilation", BST_CHECKED}}));
    EXPECT_FALSE(seen.compilingSignShown);

    // Exit on the finish page asks the help engine for the installed help's contents.
    const std::string help = ide.HelpFolder() + "\\kvd6.hlp";
    {
        fixture::HelpEngine engine;
        PressAlt(wizard.Form(), 'E');
        EXPECT_EQ(installer.ExitCode(), 0u);
        WaitUntil([&] { return !engine.ShownCaption().empty(); }, "the help window");
        EXPECT_EQ(engine.ShownCaption(), fixture::HelpWindowCaptionPrefix + help);
        const std::vector<fixture::HelpRequest> requests = fixture::HelpEngine::Requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].file, help);
        EXPECT_EQ(requests[0].command, static_cast<unsigned>(HELP_COMMAND));
        EXPECT_EQ(requests[0].data, "Contents()");
    }

    // The payload's shared and Delphi 6 files, the help moved into the IDE, the packages built.
    EXPECT_EQ(ExpectExtracted("common", folder), e2e_test::CommonFileCount);
    EXPECT_EQ(ExpectExtracted("d6", folder, "\\Help\\"), e2e_test::D6FileCount - e2e_test::D6HelpFileCount);
    std::vector<std::string> names;
    for (const DiskFile& f : FilesBelow(folder)) names.push_back(f.name);
    std::vector<std::string> expected = {"\\rebuild.bat", "\\Lib\\dclkv40d6.bpl"};
    for (const char* tag : {"common", "d6"})
        for (const DiskFile& f : FilesBelow(Packed(tag)))
            if (f.name.rfind("\\Help\\", 0) != 0) expected.push_back(f.name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(test::ReadWholeFile(help), test::ReadWholeFile(Packed("d6") + "\\Help\\KVD6.HLP"));
    EXPECT_EQ(test::ReadWholeFile(ide.HelpFolder() + "\\kvd6.cnt"), test::ReadWholeFile(Packed("d6") + "\\Help\\kvd6.cnt"));
    EXPECT_EQ(CountLines(test::ReadWholeFile(ide.HelpContentsFile()), ":Include kvd6.cnt"), 1);
    EXPECT_NE(test::ReadWholeFile(Machine::SystemFolder() + "\\kv40d6.bpl").find("kv40d6.dpk"), std::string::npos);
    EXPECT_EQ(ide.ToolRuns().size(), 2u);

    // The IDE finds the suite; the product record knows the installation; Delphi 5 is untouched.
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, ide.LibraryKey(), "Search Path"), searchPath + ";" + folder + "\\Lib");
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, ide.KnownPackagesKey(), folder + "\\Lib\\dclkv40d6.bpl"),
              "Korvane 4.3 package");
    EXPECT_EQ(fixture::Values(Hive::CurrentUser, ide.KnownPackagesKey()).size(), 3u);
    const std::string product = fixture::ProductKey(Delphi6);
    EXPECT_EQ(fixture::GetString(Hive::LocalMachine, product, "Path"), folder);
    EXPECT_EQ(fixture::GetString(Hive::LocalMachine, product, "Version"), "4.3");
    EXPECT_EQ(fixture::GetString(Hive::LocalMachine, product, "HelpFile"), help);
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, machine.Ide(Delphi5).LibraryKey(), "Search Path"), delphi5SearchPath);
    EXPECT_FALSE(fixture::KeyExists(Hive::LocalMachine, fixture::ProductKey(Delphi5)));
}

TEST(Installation, AFailedCompilationEndsTheRunWithErrorLogOpenInNotepad) {
    test::TempDir temp;
    Machine machine(temp.Path());
    machine.Ide(Delphi6).FailTools();
    const std::string folder = temp.Path() + "\\Korvane";
    InstallerProcess installer;
    WizardWindow wizard(installer);
    const InstallationSeen seen = InstallByKeyboard(installer, wizard, {1, folder});

    EXPECT_EQ(seen.pages.back(), "WellDone");
    EXPECT_EQ(seen.progress.at("Component registration"), BST_CHECKED);
    EXPECT_EQ(seen.progress.at("Component compilation"), BST_UNCHECKED);
    EXPECT_NE(test::ReadWholeFile(folder + "\\error.log").find("1. Open \"kv40d6.dpk\" in Delphi 6 IDE.\r\n"),
              std::string::npos);
    e2e_test::CloseInstructionsInNotepad();

    // The close box on the finish page ends the program without a question and without help. The
    // engine runs, so that a help request would reach it and be recorded.
    fixture::HelpEngine engine;
    ClickCloseBox(wizard.Form());
    EXPECT_EQ(installer.ExitCode(), 0u);
    EXPECT_TRUE(fixture::HelpEngine::Requests().empty());
    EXPECT_EQ(engine.ShownCaption(), "");
}

}  // namespace
