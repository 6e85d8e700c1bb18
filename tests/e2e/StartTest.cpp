// What the wizard shows when it starts: the wait for a running IDE, and an earlier installation
// of a newer version.
#include <gtest/gtest.h>

#include "fixtures/fakeide/FakeRegistry.h"
#include "fixtures/runningide/RunningIde.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;
using namespace e2e_test;

// How soon the wait ends is the timer's period (920 ms); the limit only keeps a broken wait from
// holding the run.
constexpr int TickLimitMs = 30000;

TEST(Start, WithAnIdeRunningWaitsUntilItClosesThenWelcomes) {
    test::TempDir temp;
    Machine machine(temp.Path());
    fixture::RunningIde ide;
    InstallerProcess installer;
    WizardWindow wizard(installer);
    wizard.WaitForPage("Wait Delphi closing");
    EXPECT_EQ(wizard.LabelAt(0, 0),
              "\r\rInstallation is halted.\rClose all Delphi or C++ Builder IDEs and then installation will be continued.");
    EXPECT_FALSE(wizard.Next().Enabled());
    EXPECT_TRUE(wizard.Back().Enabled());
    EXPECT_TRUE(wizard.Exit().Enabled());
    Screenshot("wait-ide-closing", {wizard.Form()});

    ASSERT_TRUE(ide.Close());
    wizard.WaitForPage("Welcome", TickLimitMs);
    EXPECT_TRUE(wizard.Next().Enabled());
    ExitWithYes(installer, wizard);
}

TEST(Start, ANewerVersionRecordedIsProposedAndWarnedAbout) {
    test::TempDir temp;
    Machine machine(temp.Path());
    const std::string recorded = temp.Path() + "\\Korvane 5";
    fixture::SetString(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi5), "Path", recorded);
    fixture::SetString(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi5), "Version", "5.0");
    InstallerProcess installer;
    WizardWindow wizard(installer);
    ToInstallPath(wizard);

    // The payload holds files for Delphi 5 and 6: the first of them is selected.
    EXPECT_EQ(wizard.SelectedHostButton().Text(), "Delphi 5");
    EXPECT_EQ(wizard.LabelAt(4, 8), "Delphi 5 path:");
    EXPECT_EQ(wizard.HostPathField().Text(), machine.Ide(Delphi5).RootDir());
    EXPECT_FALSE(wizard.HostBrowse().Enabled());
    EXPECT_EQ(wizard.InstallPathField().Text(), recorded);
    EXPECT_EQ(wizard.LabelAt(220, 104), "Previous version - 5.0");
    EXPECT_EQ(wizard.LabelAt(220, 120), "Install version - 4.3");
    const Window warning = wizard.OnPageAt("TLabel", 220, 136);
    EXPECT_EQ(warning.Text(), "Warning! Newer version is already installed.");
    EXPECT_TRUE(warning.Visible());
    Screenshot("install-path-newer-version", {wizard.Form()});

    // A host without a record: its default folder, no previous version, no warning.
    Click(wizard.HostButton("Delphi 6"));
    WaitUntil([&] { return wizard.LabelAt(4, 8) == "Delphi 6 path:"; }, "the Delphi 6 values");
    EXPECT_EQ(wizard.InstallPathField().Text(), "c:\\Korvane\\d6");
    EXPECT_EQ(wizard.LabelAt(220, 104), "Previous version - ?");
    EXPECT_FALSE(warning.Visible());
    EXPECT_FALSE(wizard.HostButton("Delphi 4").Enabled());
    EXPECT_FALSE(wizard.HostButton("C++ Builder 6").Enabled());
    ExitWithYes(installer, wizard);
}

}  // namespace
