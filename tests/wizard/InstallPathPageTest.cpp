// The install path page: which host buttons the payload enables and selects, and what the page
// shows for the selected host from the registry and the product record.
#include <gtest/gtest.h>

#include <windows.h>

#include "fixtures/fakeide/FakeRegistry.h"
#include "hosts/HostSelection.h"
#include "tests/wizard/WizardFixture.h"

namespace {

using wizard_test::Files;
using wizard_test::Wizard;

std::vector<bool> Enabled(const wizard::TMainForm& f) {
    std::vector<bool> states;
    for (auto* b : {f.rbDelphi4, f.rbDelphi5, f.rbDelphi6, f.rbCBuilder4, f.rbCBuilder5, f.rbCBuilder6})
        states.push_back(IsWindowEnabled(static_cast<HWND>(b->Handle())) != FALSE);
    return states;
}

std::vector<bool> Checked(const wizard::TMainForm& f) {
    std::vector<bool> states;
    for (auto* b : {f.rbDelphi4, f.rbDelphi5, f.rbDelphi6, f.rbCBuilder4, f.rbCBuilder5, f.rbCBuilder6})
        states.push_back(SendMessageA(static_cast<HWND>(b->Handle()), BM_GETCHECK, 0, 0) == BST_CHECKED);
    return states;
}

class InstallPathPage : public ::testing::Test {
protected:
    InstallPathPage() { wizard_test::ClearProductRecords(); }
    ~InstallPathPage() override { wizard_test::ClearProductRecords(); }
};

TEST_F(InstallPathPage, HostButtonsFollowThePayloadsFolderTags) {
    const std::vector<bool> none(6, false);
    struct Case {
        Files files;
        std::vector<bool> enabled, checked;
        int host;
        const char* rootLabel;
        const char* installFolder;
    } cases[] = {
        {{{"\\common\\x.pas"}, {"\\d5\\Lib\\a.dcu"}, {"\\d6\\Lib\\b.dcu"}},
         {false, true, true, false, false, false}, {false, true, false, false, false, false}, 1,
         "Delphi 5 path:", "c:\\Korvane\\d5"},
        {{{"\\d6\\Lib\\b.dcu"}}, {false, false, true, false, false, false}, {false, false, true, false, false, false}, 2,
         "Delphi 6 path:", "c:\\Korvane\\d6"},
        // A tag in capitals counts; a longer name or a name without its leading backslash does not.
        {{{"\\D5\\LIB\\A.DCU"}, {"\\c6x\\b.dcu"}, {"c4\\b.dcu"}, {"\\common\\c6\\b.dcu"}},
         {false, true, false, false, false, false}, {false, true, false, false, false, false}, 1,
         "Delphi 5 path:", "c:\\Korvane\\d5"},
        {{{"\\c4\\x"}, {"\\c6\\y"}}, {false, false, false, true, false, true}, {false, false, false, true, false, false},
         3, "C++ Builder 4 path:", "c:\\Korvane\\c4"},
        // No host at all: every button disabled, none selected; the page falls back to Delphi 4.
        {{{"\\common\\x.pas"}}, none, none, 0, "Delphi 4 path:", "c:\\Korvane\\d4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rootLabel);
        Wizard wizard(c.files);
        wizard.ToInstallPath();
        const wizard::TMainForm& form = wizard.Form();
        EXPECT_EQ(Enabled(form), c.enabled);
        EXPECT_EQ(Checked(form), c.checked);
        EXPECT_EQ(hosts::GetHostIndex(), c.host);
        EXPECT_EQ(form.lbHostPath->Caption(), c.rootLabel);
        EXPECT_EQ(form.edInstallPath->Text(), c.installFolder);
        EXPECT_EQ(form.edHostPath->Text(), "");  // no IDE registered
        EXPECT_TRUE(form.btnBrowseHost->Enabled());
        EXPECT_EQ(form.lbPrevVersion->Caption(), "Previous version - ?");
        EXPECT_EQ(form.lbNewVersion->Caption(), "Install version - 4.3");
        EXPECT_FALSE(form.lbDowngradeWarning->Visible());
    }
}

TEST_F(InstallPathPage, ShowsTheRegisteredRootAndTheRecordedInstallation) {
    const std::string product = fixture::ProductKey(wizard_test::Delphi6);
    wizard_test::RegisteredIde ide(wizard_test::Delphi6, "C:\\Borland base");
    struct Case {
        const char* version;
        bool warning;
    } cases[] = {{"4.10", false}, {"4.3", false}, {"5.0", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        fixture::SetString(fixture::Hive::LocalMachine, product, "Path", "D:\\Tools\\Korvane");
        fixture::SetString(fixture::Hive::LocalMachine, product, "Version", c.version);
        Wizard wizard(Files{{"\\d6\\Lib\\b.dcu"}, {"\\d5\\Lib\\b.dcu"}});
        // Delphi 5 comes first; choosing Delphi 6 as the user does fills the page for it.
        wizard.ToInstallPath();
        EXPECT_EQ(wizard.Form().edInstallPath->Text(), "c:\\Korvane\\d5");
        wizard.Form().edInstallPath->SetText("typed by the user");
        wizard.Click(*wizard.Form().rbDelphi6);
        const wizard::TMainForm& form = wizard.Form();
        EXPECT_EQ(hosts::GetHostIndex(), wizard_test::Delphi6);
        EXPECT_EQ(form.lbHostPath->Caption(), "Delphi 6 path:");
        EXPECT_EQ(form.edHostPath->Text(), ide.Ide().RootDir());
        // The registry gives the root: it cannot be changed.
        EXPECT_FALSE(form.btnBrowseHost->Enabled());
        EXPECT_EQ(form.edInstallPath->Text(), "D:\\Tools\\Korvane");
        EXPECT_EQ(form.lbPrevVersion->Caption(), std::string("Previous version - ") + c.version);
        EXPECT_EQ(form.lbDowngradeWarning->Visible(), c.warning);
        EXPECT_EQ(IsWindowVisible(static_cast<HWND>(form.lbDowngradeWarning->Handle())) != FALSE, c.warning);
    }
}

TEST_F(InstallPathPage, TheArrowKeysChooseAmongTheEnabledHosts) {
    Wizard wizard(Files{{"\\d5\\a"}, {"\\d6\\a"}, {"\\c6\\a"}});
    wizard.ToInstallPath();
    wizard::TMainForm& form = wizard.Form();
    SetFocus(static_cast<HWND>(form.rbDelphi5->Handle()));
    wizard.Pump();
    // The group runs in the tab order: after Delphi 5 comes C++ Builder 6, and the disabled
    // buttons are passed over.
    wizard.Key(VK_DOWN);
    EXPECT_EQ(hosts::GetHostIndex(), wizard_test::CBuilder6);
    EXPECT_EQ(form.lbHostPath->Caption(), "C++ Builder 6 path:");
    wizard.Key(VK_UP);
    EXPECT_EQ(hosts::GetHostIndex(), wizard_test::Delphi5);
    EXPECT_EQ(form.edInstallPath->Text(), "c:\\Korvane\\d5");
}

}  // namespace
