// The folder browser behind the Browse buttons, used as a person uses it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/e2e/driver/TreeView.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;
using namespace e2e_test;

// A folder below C:, which the browser's tree reaches through "My Computer".
class FolderOnDriveC {
public:
    FolderOnDriveC() : name_("kv-browse-" + std::to_string(GetCurrentProcessId())) { test::MakeFolders(Path()); }
    ~FolderOnDriveC() { test::RemoveTree(Path()); }
    FolderOnDriveC(const FolderOnDriveC&) = delete;
    FolderOnDriveC& operator=(const FolderOnDriveC&) = delete;
    const std::string& Name() const { return name_; }
    std::string Path() const { return "C:\\" + name_; }

private:
    std::string name_;
};

// Browse beside the install folder, reached with Tab and pressed with the space bar.
Window OpenBrowser(const InstallerProcess& installer, const WizardWindow& wizard) {
    TabTo(wizard.Form(), wizard.InstallBrowse());
    PressKey(wizard.Form(), VK_SPACE);
    return installer.WaitForWindow(MessageBoxClass, "Browse for Folder");
}

TEST(Browse, AFolderSelectedInTheBrowserGoesIntoTheInstallFolderAndCancelKeepsIt) {
    test::TempDir temp;
    Machine machine(temp.Path());
    FolderOnDriveC folder;
    const std::string chosen = folder.Path() + "\\Start\\Chosen";
    test::MakeFolders(chosen);
    InstallerProcess installer;
    WizardWindow wizard(installer);
    ToInstallPath(wizard);
    const Window field = wizard.InstallPathField();
    TypeInto(wizard, field, folder.Path() + "\\Start\\");

    Window browser = OpenBrowser(installer, wizard);
    EXPECT_EQ(browser.Descendants("Static", "Choose Korvane folder ...").size(), 1u);
    const RECT r = browser.ScreenRect();
    EXPECT_LE(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
    {
        const TreeView tree(browser.Descendant("SysTreeView32"));
        const HTREEITEM item = tree.Find({"My Computer", "(C:)", folder.Name(), "Start", "Chosen"});
        ClickAt(browser, tree.Middle(item));
        WaitUntil([&] { return tree.Selected() == item; }, "the clicked folder selected");
    }
    WaitUntil([&] { return browser.Descendant("Button", "OK").Enabled(); }, "OK enabled for a folder");
    Screenshot("folder-browser", {wizard.Form(), browser});
    PressKey(browser, VK_RETURN);
    WaitUntil([&] { return field.Text() == chosen; }, "the chosen folder in the install folder field");

    browser = OpenBrowser(installer, wizard);
    PressKey(browser, VK_ESCAPE);
    WaitUntil([&] { return !browser.Visible(); }, "the browser to close");
    EXPECT_EQ(field.Text(), chosen);
    ExitWithYes(installer, wizard);
}

}  // namespace
