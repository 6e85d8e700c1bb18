// Leaving the install path page: each check's warning read from its box, an IDE its user has not
// started yet, the exit question, and the licence refused.
#include <gtest/gtest.h>

#include <functional>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/SoftwareKeysDenied.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;
using namespace e2e_test;

TEST(InstallPath, EachCheckWarnsInItsBoxAndTheExitQuestionTakesNoThenYes) {
    test::TempDir temp;
    Machine machine(temp.Path(), {Delphi6});  // Delphi 5 is not installed
    const fixture::FakeIde& delphi6 = machine.Ide(Delphi6);
    const std::string compiler = delphi6.BinFolder() + "\\dcc32.exe";
    DeleteFileA(compiler.c_str());
    SoftwareKeysDenied noKeysBelowSoftware;
    InstallerProcess installer;
    WizardWindow wizard(installer);
    ToInstallPath(wizard);
    EXPECT_EQ(wizard.HostPathField().Text(), "");
    EXPECT_TRUE(wizard.HostBrowse().Enabled());

    struct Case {
        const char* what;
        std::function<void()> arrange;  // what the user (or the machine) changed before Next
        std::string warning;
    };
    const Case cases[] = {
        {"Delphi 5 not installed", [] {},
         "Required host version (Delphi 5) is not found on this PC. Please check out component version and installed "
         "host version.\r\rReason: Unable to open key: HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\Delphi\\5.0\r\rPlease "
         "detect Delphi 5 installation path manually."},
        {"Delphi 6 without its compiler", [&] { Click(wizard.HostButton("Delphi 6")); },
         "Invalid Delphi 6 path. Compiler \"" + compiler + "\" not found. Please choose correct path."},
        {"a relative install folder",
         [&] {
             CopyFileA(BesideDriver("fake_dcc32.exe").c_str(), compiler.c_str(), FALSE);
             TypeInto(wizard, wizard.InstallPathField(), "Korvane");
         },
         "Invalid install path \"Korvane\". Please choose a full folder path."},
        {"no right to create keys below HKEY_LOCAL_MACHINE\\SOFTWARE",
         [&] { TypeInto(wizard, wizard.InstallPathField(), temp.Path() + "\\Korvane"); },
         "You have no permission to access \"HKEY_LOCAL_MACHINE\\SOFTWARE\" registry key."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange();
        PressAlt(wizard.Form(), 'N');
        MessageBoxWindow box = ExpectBox(installer, "Warning", c.warning, OkOnly);
        if (&c == &cases[0]) Screenshot("warning", {wizard.Form(), box.Box()});
        PressKey(box.Box(), VK_RETURN);
        box.WaitUntilClosed();
        EXPECT_EQ(wizard.Page(), "InstallPath");
    }

    PressKey(wizard.Form(), VK_ESCAPE);
    MessageBoxWindow question = ExpectBox(installer, ExitCaption, ExitQuestion, YesNo);
    Screenshot("exit-question", {wizard.Form(), question.Box()});
    PressKey(question.Box(), 'N');
    question.WaitUntilClosed();
    EXPECT_TRUE(installer.Running());
    EXPECT_EQ(wizard.Page(), "InstallPath");

    ClickCloseBox(wizard.Form());
    question = ExpectBox(installer, ExitCaption, ExitQuestion, YesNo);
    PressKey(question.Box(), VK_RETURN);  // Yes is the default button
    EXPECT_EQ(installer.ExitCode(), 0u);
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi6)));
}

// Installed, never started: the IDE has no per-user settings yet for the suite to join. The sample
// payload holds no Delphi 4 files, so an installer of the test's own carries a few.
TEST(InstallPath, AnIdeItsUserHasNotStartedYetWarnsAndNothingIsWrittenOrCreated) {
    test::TempDir temp;
    Machine machine(temp.Path(), {Delphi4}, {Delphi4});
    const std::string data = temp.Path() + "\\Data", program = temp.Path() + "\\release\\install.exe";
    test::MakeFolders(data + "\\common");
    test::MakeFolders(data + "\\d4\\Lib");
    test::MakeFolders(temp.Path() + "\\release");
    test::WriteWholeFile(data + "\\common\\readme.txt", "Korvane\r\n");
    test::WriteWholeFile(data + "\\d4\\Lib\\kv40d4.dpk", "package kv40d4;\r\n");
    test::WriteWholeFile(temp.Path() + "\\license.txt", "Licence\r\n");
    const test::ChildResult built = test::RunChild("\"" + BesideDriver("kvpack.exe") + "\" build \"" + data + "\" \"" +
                                                   temp.Path() + "\\license.txt\" \"" + BesideDriver("install.exe") +
                                                   "\" \"" + program + "\"");
    ASSERT_EQ(built.exitCode, 0u) << built.out << built.err;
    const std::string folder = temp.Path() + "\\Korvane";
    const std::string users = fixture::Dump(fixture::Hive::Users);  // every user's hive, the process user's too

    InstallerProcess installer(program);
    WizardWindow wizard(installer);
    ToInstallPath(wizard);
    EXPECT_EQ(wizard.SelectedHostButton().Text(), "Delphi 4");
    TypeInto(wizard, wizard.InstallPathField(), folder);
    PressAlt(wizard.Form(), 'N');
    MessageBoxWindow box = ExpectBox(
        installer, "Warning",
        "Delphi 4 has not been started by this user yet. Start it once, close it, then run the installer again.",
        OkOnly);
    PressKey(box.Box(), VK_RETURN);
    box.WaitUntilClosed();
    EXPECT_EQ(wizard.Page(), "InstallPath");
    EXPECT_TRUE(installer.VisibleWindows(LicenceClass).empty());
    ExitWithYes(installer, wizard);

    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi4)));
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::CurrentUser, "Software\\Borland\\Delphi\\4.0"));
    EXPECT_TRUE(fixture::Dump(fixture::Hive::Users) == users) << "a per-user key or value changed";
}

TEST(InstallPath, TheLicenceRefusedEndsTheProgramWithoutAQuestionAndNothingWritten) {
    test::TempDir temp;
    Machine machine(temp.Path());
    const fixture::FakeIde& delphi5 = machine.Ide(Delphi5);
    const std::string searchPath = fixture::GetString(fixture::Hive::CurrentUser, delphi5.LibraryKey(), "Search Path");
    const std::string folder = temp.Path() + "\\Korvane";
    InstallerProcess installer;
    WizardWindow wizard(installer);
    ToInstallPath(wizard);
    ReplaceText(wizard.Form(), folder);
    PressAlt(wizard.Form(), 'N');

    const Window licence = installer.WaitForWindow(LicenceClass, "License agreement");
    const Window text = licence.Descendant("Edit");
    WaitUntil([&] { return text.Focused(); }, "the focus on the licence text");
    // Esc in the text asks the dialog to close, which it refuses; Tab is handled after that.
    PressKey(licence, VK_ESCAPE);
    PressKey(licence, VK_TAB);
    WaitUntil([&] { return licence.Descendant("Button", "Agree").Focused(); }, "the focus on Agree");
    EXPECT_TRUE(licence.Visible());
    PressKey(licence, VK_TAB);
    WaitUntil([&] { return licence.Descendant("Button", "Disagree").Focused(); }, "the focus on Disagree");
    PressKey(licence, VK_RETURN);

    bool asked = false;
    WaitUntil(
        [&] {
            asked = asked || !installer.VisibleWindows(MessageBoxClass).empty();
            return !installer.Running();
        },
        "the end of install.exe");
    EXPECT_FALSE(asked);
    EXPECT_EQ(installer.ExitCode(), 0u);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi5)));
    EXPECT_EQ(fixture::GetString(fixture::Hive::CurrentUser, delphi5.LibraryKey(), "Search Path"), searchPath);
}

}  // namespace
