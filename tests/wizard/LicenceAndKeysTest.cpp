// The licence dialog over the wizard, and the keyboard of both windows: the Enter, Esc and
// mnemonic keys, the hidden Pack button's P, and the default error box for a handler's error.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/Files.h"
#include "platform/Seam.h"
#include "tests/wizard/WizardFixture.h"

namespace {

using wizard_test::Files;
using wizard_test::Wizard;

HWND Hwnd(const forms::TControl& c) { return static_cast<HWND>(c.Handle()); }

// Makes the running executable appear to live in folder, where packing reads and writes.
platform::ScopedOverride<std::function<std::string()>> ExecutableIn(const std::string& folder) {
    return platform::ScopedOverride<std::function<std::string()>>(platform::Files().getModuleFileName,
                                                                  [folder] { return folder + "\\setup.exe"; });
}

TEST(LicenceDialog, ShowsMaximisedWithThePayloadsLicenceAndAgreeKeepsTheWizardOnBeforeInstall) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard::TMainForm& form = wizard.Form();
    // Filled afresh each time: lines left from before go.
    wizard.Licence().memLicense->SetLines({"stale"});
    wizard.AnswerLicenceWith(true);
    form.ConfirmLicence();
    const Wizard::LicenceSeen& seen = wizard.LicenceSeenLast();
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.maximised);
    EXPECT_EQ(seen.lines, (std::vector<std::string>{"Korvane licence agreement", "", "Second paragraph."}));
    EXPECT_FALSE(IsWindowVisible(Hwnd(wizard.Licence())));
    EXPECT_FALSE(form.SkipExitQuestion());
    EXPECT_FALSE(wizard.Application().Terminated());
    EXPECT_TRUE(IsWindowEnabled(Hwnd(form)));
    EXPECT_TRUE(wizard.boxes.empty());
}

TEST(LicenceDialog, DisagreeEndsTheProgramWithoutTheExitQuestion) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard.AnswerLicenceWith(false);
    wizard.Form().ConfirmLicence();
    EXPECT_TRUE(wizard.LicenceSeenLast().shown);
    EXPECT_TRUE(wizard.Form().SkipExitQuestion());
    EXPECT_TRUE(wizard.Application().Terminated());
    EXPECT_TRUE(wizard.boxes.empty());
}

// Driven from inside the dialog's own loop, once it shows.
struct DialogKeySteps {
    Wizard* wizard = nullptr;
    wizard::TfrmLicense* dialog = nullptr;
    bool escapeIgnored = false, closeIgnored = false, startedInText = false;
} g_steps;

void CALLBACK PressKeysInDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    wizard::TfrmLicense& dialog = *g_steps.dialog;
    if (!IsWindowVisible(Hwnd(dialog))) return;
    KillTimer(nullptr, timer);
    g_steps.startedInText = GetFocus() == Hwnd(*dialog.memLicense);
    g_steps.wizard->Key(VK_ESCAPE);  // in the text box
    SetFocus(Hwnd(*dialog.btnAgree));
    g_steps.wizard->Key(VK_ESCAPE);  // on a button
    g_steps.escapeIgnored = IsWindowVisible(Hwnd(dialog)) && dialog.ModalResult() == forms::mrNone;
    PostMessageA(Hwnd(dialog), WM_CLOSE, 0, 0);
    g_steps.wizard->Pump();
    g_steps.closeIgnored = IsWindowVisible(Hwnd(dialog)) && dialog.ModalResult() == forms::mrNone;
    SetFocus(Hwnd(*dialog.btnDisagree));
    g_steps.wizard->Key(VK_RETURN);
}

TEST(LicenceDialog, EscAndTheCloseRequestChangeNothingWhileEnterPressesTheFocusedButton) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard.Licence().memLicense->SetLines({"text"});
    g_steps = {&wizard, &wizard.Licence()};
    SetTimer(nullptr, 0, 20, PressKeysInDialog);
    EXPECT_EQ(wizard.Licence().ShowModal(), forms::mrCancel);
    EXPECT_TRUE(g_steps.startedInText);
    EXPECT_TRUE(g_steps.escapeIgnored);
    EXPECT_TRUE(g_steps.closeIgnored);
}

TEST(WizardKeys, EnterIsNextEscIsExitAndTheMnemonicsPressTheirButtons) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard::TMainForm& form = wizard.Form();
    ASSERT_EQ(wizard.Page(), "Welcome");
    wizard.Key(VK_RETURN);
    EXPECT_EQ(wizard.Page(), "InstallPath");
    EXPECT_EQ(GetFocus(), Hwnd(*form.edInstallPath));
    wizard.Key('B', true);
    EXPECT_EQ(wizard.Page(), "Welcome");
    wizard.Key('N', true);
    EXPECT_EQ(wizard.Page(), "InstallPath");
    // Esc is Exit: the question is asked; No keeps the wizard.
    wizard.Key(VK_ESCAPE);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Are you sure to exit installation program?");
    EXPECT_FALSE(wizard.Application().Terminated());
    // Enter on a focused push button presses that one; Tab moves in the tab order.
    SetFocus(Hwnd(*form.btnBack));
    wizard.Key(VK_RETURN);
    EXPECT_EQ(wizard.Page(), "Welcome");
    wizard.Key(VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(*form.btnExit));
    wizard.Answer(IDYES);
    wizard.Key('E', true);
    EXPECT_EQ(wizard.boxes.size(), 2u);
    EXPECT_TRUE(wizard.Application().Terminated());
}

TEST(WizardKeys, TheFocusedPushButtonOrElseNextIsTheDefaultOneAsTabMoves) {
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard::TMainForm& form = wizard.Form();
    wizard.ToInstallPath();
    forms::TButton* const buttons[] = {form.btnBack, form.btnNext, form.btnExit, form.btnBrowseHost, form.btnBrowse};
    auto defaults = [&] {
        std::string shown;
        for (forms::TButton* b : buttons)
            if ((GetWindowLongA(Hwnd(*b), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) shown += b->Name() + " ";
        return shown;
    };
    const struct {
        const char* focus;
        const char* defaults;
    } steps[] = {{"edInstallPath", "btnNext "}, {"rbDelphi6", "btnNext "},  {"btnBrowseHost", "btnBrowseHost "},
                 {"btnBrowse", "btnBrowse "},  {"btnBack", "btnBack "},   {"btnExit", "btnExit "},
                 {"btnNext", "btnNext "},      {"edInstallPath", "btnNext "}};
    for (const auto& step : steps) {
        EXPECT_EQ(GetFocus(), Hwnd(*dynamic_cast<forms::TControl*>(form.FindComponent(step.focus)))) << step.focus;
        EXPECT_EQ(defaults(), step.defaults) << step.focus;
        wizard.Key(VK_TAB);
    }
}

TEST(WizardKeys, PPacksFromAnyButtonOrWithAltButIsTextInTheInstallFolder) {
    wizard_test::NoRecordsOrIdes clean;  // the install folder proposed is the default one
    Wizard wizard(Files{{"\\d6\\a"}});
    wizard::TMainForm& form = wizard.Form();
    test::TempDir build;
    test::WriteWholeFile(build.Path() + "\\license.txt", "Licence\r\n");
    auto exe = ExecutableIn(build.Path());
    const std::string dataRes = build.Path() + "\\data.res";

    wizard.Key('P', true);  // Alt+P on "Welcome", the focus on Next
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Packing done... Don't forget rebuild program!!");
    EXPECT_EQ(wizard.boxes[0].caption, "Korvane installer/uninstaller");
    EXPECT_EQ(wizard.boxes[0].flags, 0u);  // OK, no icon
    EXPECT_TRUE(test::FileExists(dataRes));
    // The hidden button never keeps the focus.
    EXPECT_EQ(GetFocus(), Hwnd(*form.btnNext));

    DeleteFileA(dataRes.c_str());
    wizard.Key('P');  // P alone while a push button has the focus
    EXPECT_EQ(wizard.boxes.size(), 2u);
    EXPECT_TRUE(test::FileExists(dataRes));

    DeleteFileA(dataRes.c_str());
    wizard.ToInstallPath();
    wizard.Key('P');
    EXPECT_EQ(form.edInstallPath->Text(), "c:\\Korvane\\d6p");
    EXPECT_EQ(wizard.boxes.size(), 2u);
    EXPECT_FALSE(test::FileExists(dataRes));
}

TEST(WizardKeys, AnErrorInAHandlerGoesToTheErrorBoxAndTheWizardGoesOn) {
    Wizard wizard(Files{{"\\d6\\a"}});
    test::TempDir build;  // no license.txt
    auto exe = ExecutableIn(build.Path());
    wizard.Key('P', true);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Cannot open file " + build.Path() + "\\license.txt.");
    EXPECT_EQ(wizard.boxes[0].caption, "Korvane installer/uninstaller");
    EXPECT_EQ(wizard.boxes[0].flags, platform::mb::Ok | platform::mb::IconStop);
    wizard.Key(VK_RETURN);
    EXPECT_EQ(wizard.Page(), "InstallPath");
}

}  // namespace
