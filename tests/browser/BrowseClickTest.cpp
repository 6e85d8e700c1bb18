// The install path page's two Browse buttons on the real wizard window, with Wine's shell
// browser driven from a second thread; and the directory prompt that stands in for the browser
// where the platform has none.
#include <gtest/gtest.h>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "rtl/Exceptions.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/support/TempDir.h"
#include "wizard/BrowseFolderDlg.h"
#include "wizard/p1u1.h"

namespace {

using test::BrowserView;

class BrowseClickTest : public test::BrowserTest {
protected:
    BrowseClickTest() {
        auto* data = new payload::TInstallerData(&application);
        data->Files().Add().Name = "\\d6\\Lib\\x.dcu";
        data->Files().Add().Name = "\\common\\readme.txt";
        payload::InstallerData = data;
        form = application.CreateForm<wizard::TMainForm>();
        form->Notebook->SetActivePage("InstallPath");
        form->Show();
        application.ProcessMessages();
        formWindow = static_cast<HWND>(form->Handle());
        componentsBefore = application.ComponentCount();
    }
    ~BrowseClickTest() override {
        EXPECT_EQ(application.ComponentCount(), componentsBefore) << "the browser component is gone";
        EXPECT_TRUE(boxes.empty()) << boxes.front().text;
        payload::InstallerData = nullptr;  // freed by the application
    }

    // Clicks the button while script drives the browser.
    void ClickWhile(forms::TButton* button, std::function<void(DWORD)> script) {
        test::Driver driver(std::move(script));
        button->Click();
        driver.Join();
        EXPECT_FALSE(driver.LeftOpen()) << "the script did not close the window";
    }

    test::BrowseDir dir;
    wizard::TMainForm* form = nullptr;
    HWND formWindow = nullptr;
    int componentsBefore = 0;
};

TEST_F(BrowseClickTest, TheInstallFolderIsChosenInTheCentredBrowserOverTheDisabledWizard) {
    test::MakeFolders(dir.Path() + "\\Sub");
    form->edInstallPath->SetText(dir.Path() + "\\");
    form->edHostPath->SetText("host field");
    form->lbPrevVersion->SetCaption("previous label");
    ASSERT_EQ(GetActiveWindow(), formWindow);

    BrowserView view;
    bool wizardEnabledWhileBrowsing = true, chose = false;
    ClickWhile(form->btnBrowse, [&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (!view.found) return;
        wizardEnabledWhileBrowsing = IsWindowEnabled(formWindow);
        HWND tree = test::BrowserTree(view.window);
        HTREEITEM selected = test::TreeSelection(tree);
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
        for (HTREEITEM child : test::TreeChildren(tree, selected))
            if (test::TreeText(tree, child) == "Sub") {
                test::SelectTreeItem(tree, child);
                chose = true;
            }
        test::Press(GetDlgItem(view.window, chose ? IDOK : IDCANCEL));
    });
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.title, "Choose Korvane folder ...");
    EXPECT_EQ(view.selection, test::LeafName(dir.Path())) << "the field's folder, its backslash stripped";
    EXPECT_TRUE(view.okEnabled);
    EXPECT_EQ(view.helpButton, nullptr);
    const int width = view.bounds.right - view.bounds.left, height = view.bounds.bottom - view.bounds.top;
    EXPECT_EQ(view.bounds.left, (view.screenWidth - width) / 2);
    EXPECT_EQ(view.bounds.top, (view.screenHeight - height) / 2);
    EXPECT_FALSE(wizardEnabledWhileBrowsing);
    ASSERT_TRUE(chose);

    EXPECT_EQ(form->edInstallPath->Text(), dir.Path() + "\\Sub");
    // No UpdateHostPage: the rest of the page stays as it was.
    EXPECT_EQ(form->edHostPath->Text(), "host field");
    EXPECT_EQ(form->lbPrevVersion->Caption(), "previous label");
    EXPECT_TRUE(IsWindowEnabled(formWindow));
    EXPECT_EQ(GetActiveWindow(), formWindow);
}

TEST_F(BrowseClickTest, TheRootFolderBrowserNamesTheSelectedHostAndADriveRootKeepsItsBackslash) {
    form->edHostPath->SetText(dir.Path());
    BrowserView view;
    bool found = false;
    ClickWhile(form->btnBrowseHost, [&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (!view.found) return;
        HWND tree = test::BrowserTree(view.window);
        if (HTREEITEM drive = test::FindTreeItem(tree, {"Desktop", "My Computer", "*(C:)"})) {
            found = true;
            test::SelectTreeItem(tree, drive);
        }
        test::Press(GetDlgItem(view.window, found ? IDOK : IDCANCEL));
    });
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.title, "Choose Delphi 6 root folder ...");
    EXPECT_EQ(view.selection, test::LeafName(dir.Path()));
    ASSERT_TRUE(found);
    EXPECT_EQ(form->edHostPath->Text(), "C:\\");
    EXPECT_EQ(GetActiveWindow(), formWindow);
}

TEST_F(BrowseClickTest, CancelLeavesTheFieldAsItWas) {
    form->edInstallPath->SetText("c:\\Korvane\\d6\\");
    test::SendRecorder sends;
    BrowserView view;
    ClickWhile(form->btnBrowse, [&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (view.found) test::Press(GetDlgItem(view.window, IDCANCEL));
    });
    ASSERT_TRUE(view.found);
    EXPECT_TRUE(sends.Of(platform::browse::SetSelectionA).empty()) << "a missing folder is not selected";
    EXPECT_EQ(form->edInstallPath->Text(), "c:\\Korvane\\d6\\");
    EXPECT_TRUE(IsWindowEnabled(formWindow));
    EXPECT_EQ(GetActiveWindow(), formWindow);
}

TEST_F(BrowseClickTest, AButtonWithAnotherTagBrowsesNothing) {
    int browses = 0;
    platform::ScopedOverride browse(platform::Shell().browseForFolder,
                                    std::function<platform::ShellItem(platform::BrowseRequest&)>(
                                        [&](platform::BrowseRequest&) -> platform::ShellItem {
                                            ++browses;
                                            return nullptr;
                                        }));
    form->edInstallPath->SetText("c:\\Korvane\\d6");
    form->BrowseClick(*form->btnNext);
    form->btnBrowse->Tag = 3;
    form->btnBrowse->Click();
    EXPECT_EQ(browses, 0);
    EXPECT_EQ(form->edInstallPath->Text(), "c:\\Korvane\\d6");
}

TEST_F(BrowseClickTest, AnErrorFromTheShellPassesOutWithTheWizardEnabledAndActiveAgain) {
    platform::ShellItem const fakeItem = reinterpret_cast<platform::ShellItem>(0x1000);
    bool disabledWhileBrowsing = false;
    platform::ScopedOverride browse(platform::Shell().browseForFolder,
                                    std::function<platform::ShellItem(platform::BrowseRequest&)>(
                                        [&](platform::BrowseRequest&) -> platform::ShellItem {
                                            disabledWhileBrowsing = !IsWindowEnabled(formWindow);
                                            return fakeItem;
                                        }));
    platform::ScopedOverride path(platform::Shell().pathFromItem,
                                  std::function<bool(platform::ShellItem, std::string*)>(
                                      [](platform::ShellItem, std::string*) {
                                          SetLastError(ERROR_ACCESS_DENIED);
                                          return false;
                                      }));
    std::vector<platform::ShellItem> freed;
    platform::ScopedOverride release(platform::Shell().freeItem, std::function<void(platform::ShellItem)>(
                                                                     [&](platform::ShellItem item) { freed.push_back(item); }));
    form->edInstallPath->SetText("c:\\Korvane\\d6");
    EXPECT_THROW(form->BrowseClick(*form->btnBrowse), rtl::EOSError);
    EXPECT_TRUE(disabledWhileBrowsing);
    EXPECT_EQ(freed, std::vector<platform::ShellItem>{fakeItem});
    EXPECT_EQ(form->edInstallPath->Text(), "c:\\Korvane\\d6");
    EXPECT_TRUE(IsWindowEnabled(formWindow));
    EXPECT_EQ(GetActiveWindow(), formWindow);
}

// Where the platform has no shell browser, the directory prompt answers in its place.
class DirectoryPromptTest : public BrowseClickTest {
protected:
    DirectoryPromptTest()
        : noBrowser_(platform::Shell().folderBrowserAvailable, std::function<bool()>([] { return false; })) {}

    struct PromptView {
        bool found = false;
        HWND window = nullptr, edit = nullptr, ok = nullptr, cancel = nullptr, help = nullptr;
        std::string text;
    };
    // The edit's selection spans all of its text (read from the driving thread).
    static bool WholeTextSelected(HWND edit) {
        const DWORD selection = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
        const int length = GetWindowTextLengthA(edit);
        return length > 0 && LOWORD(selection) == 0 && HIWORD(selection) == length;
    }
    static PromptView ReadPrompt(DWORD ui) {
        PromptView view;
        if (!test::WaitFor([&] { return (view.window = test::FindThreadWindow(ui, "TDirectoryPrompt")) != nullptr; }))
            return view;
        view.found = true;
        for (HWND child : test::Children(view.window)) {
            const std::string cls = test::ClassOf(child), text = test::TextOf(child);
            if (cls == "Edit") view.edit = child;
            if (cls == "Button" && text == "OK") view.ok = child;
            if (cls == "Button" && text == "Cancel") view.cancel = child;
            if (cls == "Button" && text == "&Help") view.help = child;
        }
        if (view.edit) view.text = test::TextOf(view.edit);
        return view;
    }

private:
    platform::ScopedOverride<std::function<bool()>> noBrowser_;
};

TEST_F(DirectoryPromptTest, TheBrowseButtonAsksForTheFolderInThePrompt) {
    test::MakeFolders(dir.Path() + "\\Sub");
    form->edInstallPath->SetText(dir.Path() + "\\");
    PromptView view;
    bool openAfterMissing = false, helpShown = true, wizardEnabled = true, selectedBeforeOk = true;
    const std::string missing = dir.Path() + "\\missing";
    const std::string sub = dir.Path() + "\\Sub\\";
    ClickWhile(form->btnBrowse, [&](DWORD ui) {
        view = ReadPrompt(ui);
        if (!view.found || !view.edit || !view.ok) return;
        helpShown = view.help && IsWindowVisible(view.help);
        wizardEnabled = IsWindowEnabled(formWindow);
        SendMessageA(view.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(missing.c_str()));
        selectedBeforeOk = WholeTextSelected(view.edit);
        test::PressQueued(view.ok);
        // A refused OK selects the whole folder text for correction; a taken one closes the prompt.
        test::WaitFor([&] { return WholeTextSelected(view.edit) || !IsWindowVisible(view.window); });
        openAfterMissing = IsWindowVisible(view.window);
        SendMessageA(view.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sub.c_str()));
        test::PressQueued(view.ok);
    });
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.text, dir.Path()) << "started at the field's folder";
    EXPECT_FALSE(helpShown) << "no Help with help context 0";
    EXPECT_FALSE(wizardEnabled);
    EXPECT_FALSE(selectedBeforeOk);
    EXPECT_TRUE(openAfterMissing) << "OK takes only a folder that exists";
    EXPECT_EQ(form->edInstallPath->Text(), dir.Path() + "\\Sub");
    EXPECT_TRUE(IsWindowEnabled(formWindow));
}

TEST_F(DirectoryPromptTest, CancelLeavesTheFolderAndHelpShowsTheGivenTopic) {
    application.HelpFile = "korvane.hlp";
    std::vector<uint32_t> topics;
    platform::ScopedOverride help(platform::Ui().winHelp,
                                  std::function<bool(const std::string&, uint32_t, const std::string&, uint32_t)>(
                                      [&](const std::string&, uint32_t, const std::string&, uint32_t topic) {
                                          topics.push_back(topic);
                                          return true;
                                      }));
    std::string folder = dir.Path();
    PromptView view;
    bool helpShown = false;
    test::Driver driver([&](DWORD ui) {
        view = ReadPrompt(ui);
        if (!view.found || !view.cancel) return;
        helpShown = view.help && IsWindowVisible(view.help);
        if (view.help) test::PressQueued(view.help);
        test::PressQueued(view.cancel);
    });
    EXPECT_FALSE(wizard::BrowseForFolder(folder, "Title", 31));
    driver.Join();
    EXPECT_FALSE(driver.LeftOpen());
    ASSERT_TRUE(view.found);
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(topics, std::vector<uint32_t>{31});
    EXPECT_EQ(folder, dir.Path());
}

}  // namespace
