// The wizard window and the licence dialog as their descriptions build them: every control's
// class, caption, place and size in its parent, tab order, font and roles, read from the live
// windows; and the page the wizard starts on.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "fixtures/runningide/RunningIde.h"
#include "tests/support/WindowText.h"
#include "tests/wizard/WizardFixture.h"

namespace {

using wizard_test::Files;
using wizard_test::Wizard;

HWND Hwnd(const forms::TControl& c) { return static_cast<HWND>(c.Handle()); }

RECT InParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The colour of one point of the window's client area as the screen shows it.
COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

struct Expected {
    const char* name;
    const char* windowClass;
    const char* caption;   // nullptr: not compared (set at run time)
    int left, top, width, height;  // width 0: sized to its text
};

// The tables of the wizard window, the install path page and the installing page.
const Expected kMainForm[] = {
    {"Bevel5", "TBevel", "", 0, 0, 411, 4},
    {"Notebook", "TNotebook", "", 4, 4, 404, 168},
    {"Bevel2", "TBevel", "", 0, 176, 411, 4},
    {"btnBack", "Button", "< &Back", 136, 184, 84, 24},
    {"btnNext", "Button", "&Next >", 224, 184, 84, 24},
    {"btnExit", "Button", "&Exit", 324, 184, 84, 24},
    {"btnPack", "Button", "&Pack", -64, -64, 36, 24},
    {"lWelcome", "TLabel",
     "Welcome to Korvane installation program.\rBesides installation this will do all necessary changes for "
     "component registration in Borland Delphi/C++ Builder IDE.\r\rPress \"Next\" button to continue...",
     4, 4, 396, 85},
    {"lbHostPath", "TLabel", nullptr, 4, 8, 0, 0},
    {"edHostPath", "Edit", nullptr, 4, 24, 310, 21},
    {"btnBrowseHost", "Button", "Browse", 320, 24, 76, 24},
    {"lInstallPath", "TLabel", "Install Path:", 4, 52, 0, 0},
    {"edInstallPath", "Edit", nullptr, 4, 68, 310, 21},
    {"btnBrowse", "Button", "Browse", 320, 68, 76, 24},
    {"rbDelphi4", "Button", "Delphi 4", 8, 104, 80, 17},
    {"rbDelphi5", "Button", "Delphi 5", 8, 124, 80, 17},
    {"rbDelphi6", "Button", "Delphi 6", 8, 144, 80, 17},
    {"Bevel3", "TBevel", "", 88, 104, 4, 57},
    {"rbCBuilder4", "Button", "C++ Builder 4", 104, 104, 100, 17},
    {"rbCBuilder5", "Button", "C++ Builder 5", 104, 124, 100, 17},
    {"rbCBuilder6", "Button", "C++ Builder 6", 104, 144, 100, 17},
    {"Bevel4", "TBevel", "", 208, 104, 4, 57},
    {"lbPrevVersion", "TLabel", nullptr, 220, 104, 0, 0},
    {"lbNewVersion", "TLabel", nullptr, 220, 120, 0, 0},
    {"lbDowngradeWarning", "TLabel", "Warning! Newer version is already installed.", 220, 136, 176, 29},
    {"lBeforeInstall2", "TLabel", nullptr, 4, 4, 396, 129},
    {"pnStatus", "TPanel", "", 0, 0, 404, 153},
    {"cbMainInstalling", "Button", "Korvane components installation", 8, 16, 305, 17},
    {"cbAdditInstalling", "Button", "Additional files installation", 8, 36, 305, 17},
    {"cbHelpInstalling", "Button", "Help installation", 8, 56, 305, 17},
    {"Bevel1", "TBevel", "", 8, 88, 385, 9},
    {"cbRegistering", "Button", "Component registration", 8, 104, 305, 17},
    {"cbCompiling", "Button", "Component compilation", 8, 124, 137, 17},
    {"lbCompilingSign", "TLabel", "Compiling! Please wait ...", 156, 124, 121, 13},
    {"Label2", "TLabel", nullptr, 0, 0, 404, 81},
    {"lDelphiClosing", "TLabel",
     "\r\rInstallation is halted.\rClose all Delphi or C++ Builder IDEs and then installation will be continued.", 0, 0,
     404, 81},
};

const Expected kLicenceDialog[] = {
    {"pnLicense", "TPanel", "", 0, 0, 632, 416},
    {"memLicense", "Edit", nullptr, 4, 4, 624, 408},
    {"pnControl", "TPanel", "", 0, 416, 632, 37},
    {"Bevel1", "TBevel", "", 0, 0, 632, 4},
    {"btnAgree", "Button", "Agree", 436, 8, 92, 24},
    {"btnDisagree", "Button", "Disagree", 536, 8, 92, 24},
};

void ExpectLayout(const forms::TForm& form, const Expected* table, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const Expected& e = table[i];
        SCOPED_TRACE(e.name);
        auto* control = dynamic_cast<forms::TControl*>(form.FindComponent(e.name));
        ASSERT_NE(control, nullptr);
        HWND w = Hwnd(*control);
        EXPECT_EQ(test::ClassOf(w), e.windowClass);
        if (e.caption) EXPECT_EQ(test::TextOf(w), e.caption);
        const RECT r = InParent(w);
        EXPECT_EQ(r.left, e.left);
        EXPECT_EQ(r.top, e.top);
        if (e.width) {
            EXPECT_EQ(r.right - r.left, e.width);
            EXPECT_EQ(r.bottom - r.top, e.height);
        } else {
            EXPECT_GT(r.right - r.left, 0);  // sized to its text, one line high
            EXPECT_GE(r.bottom - r.top, 11);
            EXPECT_LE(r.bottom - r.top, 16);
        }
        // Every control draws in the window's font: Tahoma, 11 pixels, ANSI characters.
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)), sizeof font, &font);
        if (e.windowClass != std::string("TBevel") && e.windowClass != std::string("TPanel")) {
            EXPECT_STREQ(font.lfFaceName, "Tahoma");
            EXPECT_EQ(font.lfHeight, -11);
            EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
        }
    }
}

// The controls that Tab visits, from the focused one on, once round.
std::vector<std::string> TabCycle(const forms::TForm& form) {
    std::vector<std::string> names;
    HWND start = GetFocus();
    HWND w = start;
    do {
        forms::TControl* control = nullptr;
        for (int i = 0; i < form.ComponentCount() && !control; ++i) {
            auto* c = dynamic_cast<forms::TControl*>(form.Components(i));
            if (c && Hwnd(*c) == w) control = c;
        }
        names.push_back(control ? control->Name() : "?");
        w = GetNextDlgTabItem(Hwnd(form), w, FALSE);
    } while (w && w != start && names.size() < 20);
    return names;
}

TEST(WizardWindow, ControlsAndFrameAreAsTheTablesGiveThem) {
    wizard_test::NoRecordsOrIdes clean;  // the tab order below depends on no IDE being registered
    Wizard wizard(Files{{"\\d6\\Lib\\kv40d6.dpk"}});
    wizard::TMainForm& form = wizard.Form();
    ExpectLayout(form, kMainForm, std::size(kMainForm));

    HWND window = Hwnd(form);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 411);
    EXPECT_EQ(client.bottom, 212);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    // A fixed dialog frame whose title bar has only the close box.
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    // The caption is the edition's; the task bar shows the application window's title.
    EXPECT_EQ(test::TextOf(window), "Korvane 4.3 <Delphi/C++ Builder edition>");
    HWND application = GetWindow(window, GW_OWNER);
    EXPECT_EQ(application, static_cast<HWND>(wizard.Application().Handle()));
    EXPECT_EQ(test::TextOf(application), "Korvane installer/uninstaller");
    // The page's background, once the window has been painted (on X that comes after showing it).
    EXPECT_TRUE(wizard.PumpUntil([&] { return PixelAt(window, 200, 150) == GetSysColor(COLOR_BTNFACE); }, 30000))
        << std::hex << PixelAt(window, 200, 150);

    // Roles: Next answers Enter, Exit answers Esc, the check boxes only show state.
    EXPECT_TRUE(form.btnNext->Default());
    EXPECT_TRUE(form.btnExit->Cancel());
    EXPECT_FALSE(IsWindowEnabled(Hwnd(*form.pnStatus)));
    for (forms::TCheckBox* box : {form.cbMainInstalling, form.cbAdditInstalling, form.cbHelpInstalling,
                                  form.cbRegistering, form.cbCompiling}) {
        EXPECT_EQ(GetWindowLongA(Hwnd(*box), GWL_STYLE) & (WS_TABSTOP | BS_TYPEMASK), BS_3STATE);
        EXPECT_EQ(box->State(), forms::cbUnchecked);
    }
    EXPECT_FALSE(form.lbCompilingSign->Visible());
    EXPECT_EQ(form.Timer->Interval(), 920u);
    EXPECT_EQ(form.Timer->Tag, 1);
    EXPECT_FALSE(form.Timer->Enabled());
    EXPECT_EQ(form.edHostPath->Tag, 1);
    EXPECT_EQ(form.edInstallPath->Tag, 2);
    EXPECT_TRUE(form.edHostPath->ReadOnly());

    // Tab order: Exit, Next, the page's controls, Back.
    ASSERT_EQ(GetFocus(), Hwnd(*form.btnNext));
    EXPECT_EQ(TabCycle(form), (std::vector<std::string>{"btnNext", "btnBack", "btnExit"}));
    wizard.ToInstallPath();
    // (No IDE is registered here, so the root's Browse button is enabled.)
    EXPECT_EQ(TabCycle(form), (std::vector<std::string>{"edInstallPath", "rbDelphi6", "btnBrowseHost", "btnBrowse",
                                                       "btnBack", "btnExit", "btnNext"}));
}

TEST(LicenceDialog, ControlsAndFrameAreAsTheTableGivesThemAndItStaysHidden) {
    Wizard wizard(Files{{"\\d6\\Lib\\kv40d6.dpk"}});
    wizard::TfrmLicense& dialog = wizard.Licence();
    EXPECT_FALSE(IsWindowVisible(Hwnd(dialog)));
    ExpectLayout(dialog, kLicenceDialog, std::size(kLicenceDialog));
    RECT client;
    GetClientRect(Hwnd(dialog), &client);
    EXPECT_EQ(client.right, 632);
    EXPECT_EQ(client.bottom, 453);
    EXPECT_EQ(test::TextOf(Hwnd(dialog)), "License agreement");
    // No title-bar buttons and no system menu.
    EXPECT_EQ(GetWindowLongA(Hwnd(dialog), GWL_STYLE) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION);
    const LONG memo = GetWindowLongA(Hwnd(*dialog.memLicense), GWL_STYLE);
    EXPECT_EQ(memo & (ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    EXPECT_FALSE(dialog.btnAgree->Default() || dialog.btnAgree->Cancel() || dialog.btnDisagree->Default() ||
                 dialog.btnDisagree->Cancel());
}

TEST(WizardStart, OpensOnWelcomeOrWaitsForTheRunningIde) {
    {
        Wizard wizard(Files{{"\\d6\\Lib\\kv40d6.dpk"}});
        EXPECT_EQ(wizard.Page(), "Welcome");
        EXPECT_TRUE(wizard.Form().btnBack->Enabled() && wizard.Form().btnNext->Enabled() &&
                    wizard.Form().btnExit->Enabled());
        EXPECT_FALSE(wizard.Form().Timer->Enabled());
    }
    fixture::RunningIde ide;
    Wizard wizard(Files{{"\\d6\\Lib\\kv40d6.dpk"}});
    EXPECT_EQ(wizard.Page(), "Wait Delphi closing");
    EXPECT_FALSE(wizard.Form().btnNext->Enabled());
    EXPECT_TRUE(wizard.Form().btnBack->Enabled() && wizard.Form().btnExit->Enabled());
    EXPECT_TRUE(wizard.Form().Timer->Enabled());
}

}  // namespace
