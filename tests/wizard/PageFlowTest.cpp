// The page machine: the checks of Next on the install path page and their warnings, the licence
// on the way to the confirmation page, Back, the exit question, and the wait for running IDEs.
#include <gtest/gtest.h>

#include <windows.h>

#include "fixtures/fakeide/FakeRegistry.h"
#include "fixtures/fakeide/OtherDesktopUser.h"
#include "fixtures/runningide/RunningIde.h"
#include "hosts/HostSelection.h"
#include "platform/Registry.h"
#include "tests/browser/BrowserDriver.h"
#include "tests/wizard/WizardFixture.h"

namespace {

using wizard_test::Delphi6;
using wizard_test::Files;
using wizard_test::RegisteredIde;
using wizard_test::Wizard;

class PageFlow : public ::testing::Test {
protected:
    PageFlow() : ide_(Delphi6, wizard_.TempFolder()) {
        wizard_.Form().UpdateHostPage();  // the IDE was registered after the window was made
        wizard_.ToInstallPath();
    }

    // Next on the install path page with the licence answered, should it be shown.
    void NextWithLicence(bool agree) {
        wizard_.AnswerLicenceWith(agree);
        wizard_.Click(*wizard_.Form().btnNext);
    }

    Wizard wizard_{Files{{"\\d6\\Lib\\kv40d6.dpk"}}};
    RegisteredIde ide_;
};

TEST_F(PageFlow, EachFailedCheckWarnsAndKeepsThePageButTheFoldersAreTakenAtOnce) {
    wizard::TMainForm& form = wizard_.Form();
    const std::string root = ide_.Ide().RootDir();
    const std::string parent = root.substr(0, root.rfind('\\'));
    struct Case {
        const char* what;
        std::string rootField, installField;
        bool refuseMachineKeys;
        std::string warning;
        std::string storedInstall, storedRoot;
    } cases[] = {
        {"no root", "", "C:\\Korvane\\d6\\", false,
         "Required host version (Delphi 6) is not found on this PC. Please check out component version and installed "
         "host version.\r\rReason: Unable to open key: HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\Delphi\\6.0\r\rPlease "
         "detect Delphi 6 installation path manually.",
         "C:\\Korvane\\d6", ""},
        {"a root without the compiler", parent + "\\", "C:\\Korvane", false,
         "Invalid Delphi 6 path. Compiler \"" + parent + "\\Bin\\dcc32.exe\" not found. Please choose correct path.",
         "C:\\Korvane", parent},
        {"an install folder that is no full path", root, "Korvane\\d6", false,
         "Invalid install path \"Korvane\\d6\". Please choose a full folder path.", "Korvane\\d6", root},
        {"an empty install folder", root, "", false, "Invalid install path \"\". Please choose a full folder path.",
         "", root},
        {"no permission below HKEY_LOCAL_MACHINE\\SOFTWARE", root, "C:\\Korvane", true,
         "You have no permission to access \"HKEY_LOCAL_MACHINE\\SOFTWARE\" registry key.", "C:\\Korvane", root},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wizard_.boxes.clear();
        form.edHostPath->SetText(c.rootField);
        form.edInstallPath->SetText(c.installField);
        std::unique_ptr<platform::ScopedOverride<decltype(platform::RegistryApi::createKey)>> refuse;
        if (c.refuseMachineKeys)
            refuse = std::make_unique<platform::ScopedOverride<decltype(platform::RegistryApi::createKey)>>(
                platform::Registry().createKey, [](platform::Key, const std::string&, platform::Key* out) -> long {
                    *out = nullptr;
                    return platform::regerr::AccessDenied;
                });
        NextWithLicence(true);
        ASSERT_EQ(wizard_.boxes.size(), 1u);
        EXPECT_EQ(wizard_.boxes[0].text, c.warning);
        EXPECT_EQ(wizard_.boxes[0].caption, "Warning");
        EXPECT_EQ(wizard_.boxes[0].flags, platform::mb::Ok | platform::mb::IconExclamation);
        EXPECT_FALSE(wizard_.LicenceSeenLast().shown) << "no licence after a failed check";
        EXPECT_EQ(wizard_.Page(), "InstallPath");
        EXPECT_EQ(hosts::InstallPath, c.storedInstall);
        EXPECT_EQ(hosts::HostRootPath, c.storedRoot);
        EXPECT_TRUE(form.btnBack->Enabled() && form.btnNext->Enabled() && form.btnExit->Enabled());
    }
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi6)));
}

// Elevated with an administrator's credentials: the IDE's keys are looked for in the hive of the
// user at the desktop, not in the process's own, where this fixture's IDE has them.
TEST_F(PageFlow, AnIdeTheDesktopUserHasNotStartedWarnsAndNothingIsWrittenOrCreated) {
    wizard::TMainForm& form = wizard_.Form();
    const std::string installFolder = wizard_.TempFolder() + "\\Korvane";
    form.edInstallPath->SetText(installFolder);
    fixture::OtherDesktopUser developer;
    const std::string library = fixture::OtherDesktopUser::Key(ide_.Ide().LibraryKey());
    const std::string packages = fixture::OtherDesktopUser::Key(ide_.Ide().KnownPackagesKey());
    const struct {
        const char* what;
        const std::string* keyMade;  // in the desktop user's hive before Next
    } cases[] = {{"neither key", nullptr}, {"the library key alone", &library}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.keyMade) fixture::SetString(fixture::Hive::Users, *c.keyMade, "", "");
        const std::string before = fixture::Dump(fixture::Hive::Users);  // the process user's hive too
        wizard_.boxes.clear();
        NextWithLicence(true);
        ASSERT_EQ(wizard_.boxes.size(), 1u);
        EXPECT_EQ(wizard_.boxes[0].text,
                  "Delphi 6 has not been started by this user yet. Start it once, close it, then run the installer "
                  "again.");
        EXPECT_EQ(wizard_.boxes[0].caption, "Warning");
        EXPECT_EQ(wizard_.boxes[0].flags, platform::mb::Ok | platform::mb::IconExclamation);
        EXPECT_FALSE(wizard_.LicenceSeenLast().shown);
        EXPECT_EQ(wizard_.Page(), "InstallPath");
        EXPECT_TRUE(fixture::Dump(fixture::Hive::Users) == before) << "a registry key or value changed";
    }
    EXPECT_EQ(GetFileAttributesA(installFolder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi6)));

    fixture::SetString(fixture::Hive::Users, packages, "", "");
    NextWithLicence(true);
    EXPECT_TRUE(wizard_.LicenceSeenLast().shown) << "both keys there";
    EXPECT_EQ(wizard_.Page(), "BeforeInstall");
}

TEST_F(PageFlow, AgreedLicenceLeadsToTheConfirmationAndBackRepeatsTheChecksAndTheLicence) {
    wizard::TMainForm& form = wizard_.Form();
    form.edInstallPath->SetText("D:\\My Components\\Korvane\\");
    NextWithLicence(true);
    EXPECT_TRUE(wizard_.LicenceSeenLast().shown);
    EXPECT_EQ(wizard_.Page(), "BeforeInstall");
    EXPECT_EQ(form.lBeforeInstall2->Caption(),
              "Korvane components will be installed to \"D:\\My Components\\Korvane\" folder.\r\rPress <Next> button "
              "to start installation ...");
    EXPECT_TRUE(wizard_.boxes.empty());

    wizard_.Click(*form.btnBack);
    EXPECT_EQ(wizard_.Page(), "InstallPath");
    EXPECT_EQ(form.edInstallPath->Text(), "D:\\My Components\\Korvane\\");  // the fields keep what was left
    form.edHostPath->SetText("");
    NextWithLicence(true);
    EXPECT_EQ(wizard_.boxes.size(), 1u) << "the checks run again";
    form.edHostPath->SetText(ide_.Ide().RootDir());
    NextWithLicence(true);
    EXPECT_TRUE(wizard_.LicenceSeenLast().shown) << "and the licence shows again";
    EXPECT_EQ(wizard_.Page(), "BeforeInstall");
}

TEST_F(PageFlow, RefusedLicenceEndsTheProgramWithoutTheQuestionAndWritesNothing) {
    const std::string installFolder = wizard_.TempFolder() + "\\Korvane";
    wizard_.Form().edInstallPath->SetText(installFolder);
    NextWithLicence(false);
    EXPECT_TRUE(wizard_.Application().Terminated());
    EXPECT_TRUE(wizard_.boxes.empty());
    EXPECT_EQ(GetFileAttributesA(installFolder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(fixture::KeyExists(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi6)));
}

TEST_F(PageFlow, ExitAsksAndOnlyYesEnds) {
    wizard_.Click(*wizard_.Form().btnExit);
    ASSERT_EQ(wizard_.boxes.size(), 1u);
    EXPECT_EQ(wizard_.boxes[0].text, "Are you sure to exit installation program?");
    EXPECT_EQ(wizard_.boxes[0].caption, "Korvane installer");
    EXPECT_EQ(wizard_.boxes[0].flags, platform::mb::YesNo | platform::mb::IconQuestion);
    EXPECT_FALSE(wizard_.Application().Terminated());
    EXPECT_EQ(wizard_.Page(), "InstallPath");
    // The close box asks the same.
    wizard_.Answer(IDYES);
    SendMessageA(static_cast<HWND>(wizard_.Form().Handle()), WM_SYSCOMMAND, SC_CLOSE, 0);
    wizard_.Pump();
    EXPECT_EQ(wizard_.boxes.size(), 2u);
    EXPECT_TRUE(wizard_.Application().Terminated());
}

TEST(WellDone, TheCloseBoxClosesWithoutQuestionOrHelp) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard.Form().SetInstalledHelpFile("C:\\Delphi6\\Help\\kvd6.hlp");
    wizard.Form().Notebook->SetActivePage("WellDone");
    SendMessageA(static_cast<HWND>(wizard.Form().Handle()), WM_SYSCOMMAND, SC_CLOSE, 0);
    wizard.Pump();
    EXPECT_TRUE(wizard.Application().Terminated());
    EXPECT_TRUE(wizard.boxes.empty());
    EXPECT_TRUE(wizard.helpRequests.empty());
}

TEST(WellDone, ExitWithoutInstalledHelpClosesWithoutQuestionOrHelp) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard.Form().Notebook->SetActivePage("WellDone");  // reached without the IDE's help contents
    wizard.Click(*wizard.Form().btnExit);
    EXPECT_TRUE(wizard.Application().Terminated());
    EXPECT_TRUE(wizard.boxes.empty());
    EXPECT_TRUE(wizard.helpRequests.empty());
}

// How soon the wait ends is the timer's period (920 ms, in the window's description); the limit
// here only keeps a broken wait from holding the run.
constexpr int WaitLimitMs = 30000;

class IdeWait : public ::testing::Test {
protected:
    std::unique_ptr<fixture::RunningIde> ide_ = std::make_unique<fixture::RunningIde>();
    Wizard wizard_{Files{{"\\d6\\a"}}};
    bool OnWelcome() { return wizard_.Page() == "Welcome"; }
};

TEST_F(IdeWait, TheTextBlinksMaroonFirstAndBackDoesNothing) {
    wizard::TMainForm& form = wizard_.Form();
    ASSERT_EQ(wizard_.Page(), "Wait Delphi closing");
    wizard_.Click(*form.btnBack);
    EXPECT_EQ(wizard_.Page(), "Wait Delphi closing");
    const forms::TColor before = form.lDelphiClosing->Font().Color();
    ASSERT_TRUE(wizard_.PumpUntil([&] { return form.lDelphiClosing->Font().Color() != before; }, WaitLimitMs));
    EXPECT_EQ(form.lDelphiClosing->Font().Color(), forms::clMaroon);
    ASSERT_TRUE(wizard_.PumpUntil([&] { return form.lDelphiClosing->Font().Color() != forms::clMaroon; }, WaitLimitMs));
    EXPECT_EQ(form.lDelphiClosing->Font().Color(), forms::clBlack);
    EXPECT_EQ(wizard_.Page(), "Wait Delphi closing");
    EXPECT_FALSE(form.btnNext->Enabled());
}

TEST_F(IdeWait, ClosingTheIdeBringsWelcome) {
    wizard::TMainForm& form = wizard_.Form();
    ASSERT_TRUE(ide_->Close());
    ASSERT_TRUE(wizard_.PumpUntil([this] { return OnWelcome(); }, WaitLimitMs));
    EXPECT_TRUE(form.btnNext->Enabled());
    EXPECT_FALSE(form.Timer->Enabled());
    EXPECT_EQ(wizard_.frontRequests, 1);
}

TEST_F(IdeWait, TheWaitEndsAlsoWhileTheExitQuestionIsOpen) {
    wizard::TMainForm& form = wizard_.Form();
    // The question is the platform's own box, whose modal loop alone delivers the ticks while it
    // is open: a second thread closes the IDE, waits for "Welcome" (Next enabled) and answers No,
    // which then applies as usual.
    platform::ScopedOverride question(platform::Ui().messageBox, wizard_.PlatformMessageBox());
    const HWND next = static_cast<HWND>(form.btnNext->Handle());
    const std::chrono::milliseconds limit(WaitLimitMs);
    bool asked = false, closed = false, welcomeWhileAsked = false;
    test::Driver driver([&](DWORD ui) {
        HWND box = nullptr;
        asked = test::WaitFor([&] { return (box = test::FindThreadWindow(ui, "#32770")) != nullptr; }, limit);
        if (!asked) return;
        closed = ide_->Close();
        welcomeWhileAsked = test::WaitFor([&] { return IsWindowEnabled(next) != FALSE; }, limit);
        test::Press(GetDlgItem(box, IDNO));
    });
    wizard_.Click(*form.btnExit);
    driver.Join();
    ASSERT_TRUE(asked && closed);
    EXPECT_TRUE(welcomeWhileAsked);
    EXPECT_EQ(wizard_.Page(), "Welcome");
    EXPECT_TRUE(form.btnNext->Enabled());
    EXPECT_FALSE(wizard_.Application().Terminated());
}

}  // namespace
