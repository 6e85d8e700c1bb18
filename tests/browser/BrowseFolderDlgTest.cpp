// TBrowseFolderDlg against Wine's real shell browser: a driver thread finds the browser window,
// reads it and operates it while RunBrowser runs it on the test's thread.
#include <gtest/gtest.h>

#include <atomic>

#include "tests/browser/BrowserFixture.h"
#include "tests/support/TempDir.h"
#include "wizard/BrowseFolderDlg.h"

namespace {

using test::BrowserView;

class BrowseFolderDlgTest : public test::BrowserTest {
protected:
    BrowseFolderDlgTest() : dialog(&application) {
        dialog.OnSelChanged = [this](rtl::TComponent& sender) {
            EXPECT_EQ(&sender, &dialog);
            selections.push_back(dialog.SelectedPath());
        };
    }
    ~BrowseFolderDlgTest() override { EXPECT_TRUE(boxes.empty()) << boxes.front().text; }

    // Runs the browser while script drives it; the result of RunBrowser.
    bool Browse(std::function<void(DWORD)> script) {
        test::Driver driver(std::move(script));
        const bool chosen = dialog.RunBrowser();
        driver.Join();
        EXPECT_FALSE(driver.LeftOpen()) << "the script did not close the browser";
        return chosen;
    }

    test::BrowseDir dir;
    wizard::TBrowseFolderDlg dialog;
    std::vector<std::string> selections;  // SelectedPath at each selection change
};

TEST_F(BrowseFolderDlgTest, OpensCentredOnTheScreenWithTheStartFolderSelectedAndOkEnabled) {
    dialog.FolderName = dir.Path();
    dialog.DialogText = "Pick one";
    test::SendRecorder sends;
    BrowserView view;
    const bool chosen = Browse([&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (view.found) PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(view.found);
    EXPECT_FALSE(chosen);

    const int width = view.bounds.right - view.bounds.left, height = view.bounds.bottom - view.bounds.top;
    EXPECT_EQ(view.bounds.left, (view.screenWidth - width) / 2);
    EXPECT_EQ(view.bounds.top, (view.screenHeight - height) / 2);
    EXPECT_EQ(view.title, "Pick one");
    EXPECT_EQ(view.selection, test::LeafName(dir.Path()));
    EXPECT_TRUE(view.okEnabled);
    EXPECT_EQ(view.helpButton, nullptr) << "no Help button with HelpContext 0";

    // The start folder was asked for by path, and OK enabled for it.
    ASSERT_EQ(sends.Of(platform::browse::SetSelectionA).size(), 1u);
    EXPECT_EQ(sends.Of(platform::browse::SetSelectionA)[0].wParam, 1u);
    EXPECT_EQ(sends.Of(platform::browse::SetSelectionA)[0].text, dir.Path());
    ASSERT_FALSE(sends.Of(platform::browse::EnableOk).empty());
    EXPECT_EQ(sends.Of(platform::browse::EnableOk).back().lParam, 1);
    ASSERT_FALSE(selections.empty());
    EXPECT_EQ(selections.back(), dir.Path());
    // Cancel leaves the folder as it was.
    EXPECT_EQ(dialog.FolderName, dir.Path());
}

TEST_F(BrowseFolderDlgTest, WithPositionDefaultTheBrowserStaysWhereThePlatformPutsIt) {
    dialog.FolderName = dir.Path();
    dialog.Position = wizard::dpDefault;
    std::vector<POINT> moves;  // every move the component asks for, passed on
    platform::ScopedOverride<decltype(platform::ShellApi::moveWindow)> move(
        platform::Shell().moveWindow, [&](platform::WindowHandle window, int32_t left, int32_t top) {
            moves.push_back({left, top});
            move.Original()(window, left, top);
        });
    BrowserView view;
    Browse([&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (view.found) PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(view.found);
    EXPECT_TRUE(moves.empty()) << "moved to " << moves.front().x << "," << moves.front().y;
    // Nor does the platform centre it: the centring seen with dpScreenCenter is the component's.
    const int width = view.bounds.right - view.bounds.left;
    EXPECT_NE(view.bounds.left, (view.screenWidth - width) / 2);
}

TEST_F(BrowseFolderDlgTest, AMissingStartFolderIsNotSelected) {
    dialog.FolderName = dir.Path() + "\\missing";
    test::SendRecorder sends;
    BrowserView view;
    Browse([&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (view.found) PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(view.found);
    EXPECT_TRUE(sends.Of(platform::browse::SetSelectionA).empty());
    EXPECT_NE(view.selection, "missing");
    EXPECT_NE(view.selection, test::LeafName(dir.Path()));
    EXPECT_EQ(dialog.FolderName, dir.Path() + "\\missing");
}

TEST_F(BrowseFolderDlgTest, OkIsEnabledOnlyOnItemsWithAFileSystemPath) {
    dialog.FolderName = dir.Path();
    bool okOnComputer = true, okOnDrive = false, okBackOnFolder = false;
    size_t selectionsAtComputer = 0;
    bool found = false;
    Browse([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        if (!view.found) return;
        found = true;
        HWND tree = test::BrowserTree(view.window);
        HWND ok = GetDlgItem(view.window, IDOK);
        if (HTREEITEM computer = test::FindTreeItem(tree, {"Desktop", "My Computer"})) {
            test::SelectTreeItem(tree, computer);
            okOnComputer = IsWindowEnabled(ok);
            selectionsAtComputer = selections.size();
        }
        if (HTREEITEM drive = test::FindTreeItem(tree, {"Desktop", "My Computer", "*(C:)"})) {
            test::SelectTreeItem(tree, drive);
            okOnDrive = IsWindowEnabled(ok);
        }
        SendMessageA(view.window, platform::browse::SetSelectionA, TRUE, reinterpret_cast<LPARAM>(dir.Path().c_str()));
        okBackOnFolder = IsWindowEnabled(ok);
        PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(found);
    EXPECT_FALSE(okOnComputer);
    ASSERT_GE(selectionsAtComputer, 1u);
    EXPECT_EQ(selections[selectionsAtComputer - 1], "") << "the computer's node has no file-system path";
    EXPECT_TRUE(okOnDrive);
    EXPECT_TRUE(okBackOnFolder);
    EXPECT_EQ(selections.back(), dir.Path());
}

TEST_F(BrowseFolderDlgTest, ADriveRootComesBackWithItsBackslash) {
    dialog.FolderName = dir.Path();
    bool found = false;
    const bool chosen = Browse([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        if (!view.found) return;
        HWND tree = test::BrowserTree(view.window);
        if (HTREEITEM drive = test::FindTreeItem(tree, {"Desktop", "My Computer", "*(C:)"})) {
            found = true;
            test::SelectTreeItem(tree, drive);
            test::Press(GetDlgItem(view.window, IDOK));
        } else {
            PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
        }
    });
    ASSERT_TRUE(found);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.FolderName, "C:\\");
    EXPECT_EQ(dialog.SelectedPath(), "C:\\");
}

TEST_F(BrowseFolderDlgTest, AnyOtherFolderComesBackWithoutABackslash) {
    test::MakeFolders(dir.Path() + "\\Sub Folder");
    dialog.FolderName = dir.Path() + "\\";  // selected: it exists
    bool found = false;
    const bool chosen = Browse([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        if (!view.found) return;
        HWND tree = test::BrowserTree(view.window);
        HTREEITEM selected = test::TreeSelection(tree);
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
        for (HTREEITEM child : test::TreeChildren(tree, selected))
            if (test::TreeText(tree, child) == "Sub Folder") {
                found = true;
                test::SelectTreeItem(tree, child);
            }
        test::Press(GetDlgItem(view.window, found ? IDOK : IDCANCEL));
    });
    ASSERT_TRUE(found);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.FolderName, dir.Path() + "\\Sub Folder");
    EXPECT_EQ(dialog.SelectedPath(), dir.Path() + "\\Sub Folder");
}

TEST_F(BrowseFolderDlgTest, OkOnTheStartFolderReturnsIt) {
    dialog.FolderName = dir.Path();
    const bool chosen = Browse([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        if (view.found) test::Press(GetDlgItem(view.window, IDOK));
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.FolderName, dir.Path());
}

TEST_F(BrowseFolderDlgTest, CancelGivesFalseAndKeepsTheFolder) {
    dialog.FolderName = dir.Path();
    const bool chosen = Browse([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        if (!view.found) return;
        HWND tree = test::BrowserTree(view.window);
        if (HTREEITEM drive = test::FindTreeItem(tree, {"Desktop", "My Computer", "*(C:)"}))
            test::SelectTreeItem(tree, drive);
        test::Press(GetDlgItem(view.window, IDCANCEL));
    });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(dialog.FolderName, dir.Path());
}

TEST_F(BrowseFolderDlgTest, AHelpContextAddsAHelpButtonBesideTheFirstButtonThatShowsTheTopic) {
    dialog.FolderName = dir.Path();
    dialog.HelpContext = 4711;
    application.HelpFile = "korvane.hlp";
    struct HelpCall {
        std::string file;
        uint32_t command, topic;
    };
    std::vector<HelpCall> helps;
    std::atomic<int> helpCount{0};
    platform::ScopedOverride help(platform::Ui().winHelp, std::function<bool(const std::string&, uint32_t, const std::string&, uint32_t)>(
        [&](const std::string& file, uint32_t command, const std::string&, uint32_t topic) {
            helps.push_back({file, command, topic});
            ++helpCount;
            return true;
        }));
    BrowserView view;
    std::string helpClass, helpText;
    LONG helpStyle = 0;
    RECT helpRect{}, okRect{};
    bool sameFont = false, stillOpenAfterHelp = false;
    int helpsAfterClick = 0;
    Browse([&](DWORD ui) {
        view = test::ReadBrowser(ui);
        if (!view.found) return;
        if (view.helpButton) {
            helpClass = test::ClassOf(view.helpButton);
            helpText = test::TextOf(view.helpButton);
            helpStyle = GetWindowLongA(view.helpButton, GWL_STYLE);
            helpRect = test::ClientRectOf(view.helpButton);
            HWND first = FindWindowExA(view.window, nullptr, "Button", nullptr);
            okRect = test::ClientRectOf(first);
            sameFont = SendMessageA(view.helpButton, WM_GETFONT, 0, 0) == SendMessageA(view.window, WM_GETFONT, 0, 0);
            test::Press(view.helpButton);
            helpsAfterClick = helpCount;
            stillOpenAfterHelp = IsWindow(view.window) && IsWindowVisible(view.window);
        }
        PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(view.found);
    ASSERT_NE(view.helpButton, nullptr);
    EXPECT_EQ(helpClass, "Button");
    EXPECT_EQ(helpText, "&Help");
    EXPECT_EQ(static_cast<DWORD>(helpStyle) & ~static_cast<DWORD>(BS_TYPEMASK),
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP));
    EXPECT_EQ(static_cast<DWORD>(helpStyle) & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(helpRect.left, 12);
    EXPECT_EQ(helpRect.top, okRect.top);
    EXPECT_EQ(helpRect.right - helpRect.left, okRect.right - okRect.left);
    EXPECT_EQ(helpRect.bottom - helpRect.top, okRect.bottom - okRect.top);
    EXPECT_TRUE(sameFont);
    EXPECT_EQ(helpsAfterClick, 1);
    EXPECT_TRUE(stillOpenAfterHelp) << "the Help click goes no further than the help";
    ASSERT_EQ(helps.size(), 1u);
    EXPECT_EQ(helps[0].file, "korvane.hlp");
    EXPECT_EQ(helps[0].command, platform::help::Context);
    EXPECT_EQ(helps[0].topic, 4711u);
}

// Records what the subclassed window's procedure sees.
class WatchedDialog : public wizard::TBrowseFolderDlg {
public:
    using TBrowseFolderDlg::TBrowseFolderDlg;
    void BrowserWindowProc(wizard::TMessage& message) override {
        ++messages;
        TBrowseFolderDlg::BrowserWindowProc(message);
        if (message.Msg == WM_NCDESTROY) {
            ncDestroySeen = true;
            windowAfterNcDestroy = DialogWindow();
        }
    }
    int messages = 0;
    bool ncDestroySeen = false;
    platform::WindowHandle windowAfterNcDestroy = reinterpret_cast<platform::WindowHandle>(1);
};

TEST_F(BrowseFolderDlgTest, TheBrowserWindowIsSubclassedWhileOpenAndEverythingIsClearedAfterwards) {
    WatchedDialog watched(&application);
    watched.FolderName = dir.Path();
    platform::WindowHandle windowAtInit = nullptr;
    platform::WindowProcAddress previousAtInit = nullptr;
    LONG_PTR procedureAtInit = 0;
    watched.OnInitialized = [&](rtl::TComponent& sender) {
        EXPECT_EQ(&sender, &watched);
        windowAtInit = watched.DialogWindow();
        previousAtInit = watched.PreviousWindowProc();
        procedureAtInit = GetWindowLongPtrA(static_cast<HWND>(windowAtInit), GWLP_WNDPROC);
    };
    HWND seen = nullptr;
    test::Driver driver([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        seen = view.window;
        if (view.found) PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(watched.RunBrowser());
    driver.Join();
    EXPECT_FALSE(driver.LeftOpen());
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(windowAtInit, seen);
    EXPECT_NE(previousAtInit, nullptr);
    EXPECT_NE(reinterpret_cast<platform::WindowProcAddress>(procedureAtInit), previousAtInit);
    EXPECT_GT(watched.messages, 0);
    EXPECT_TRUE(watched.ncDestroySeen);
    EXPECT_EQ(watched.windowAfterNcDestroy, nullptr);
    EXPECT_EQ(watched.DialogWindow(), nullptr);
    EXPECT_EQ(watched.PreviousWindowProc(), nullptr);
    EXPECT_FALSE(IsWindow(seen));
}

TEST_F(BrowseFolderDlgTest, WithoutDesktopRootTheTreeStartsAtTheDrivesAndTheRootIsReleased) {
    dialog.FolderName = dir.Path();
    dialog.DesktopRoot = false;
    test::FreeRecorder frees;
    std::vector<int32_t> folders;
    const auto original = platform::Shell().specialFolderLocation;
    platform::ScopedOverride special(
        platform::Shell().specialFolderLocation,
        std::function<int32_t(platform::WindowHandle, int32_t, platform::ShellItem*)>(
            [&](platform::WindowHandle owner, int32_t csidl, platform::ShellItem* item) {
                EXPECT_EQ(owner, application.Handle());
                folders.push_back(csidl);
                return original(owner, csidl, item);
            }));
    std::string rootText, selection;
    Browse([&](DWORD ui) {
        BrowserView view = test::ReadBrowser(ui);
        if (!view.found) return;
        HWND tree = test::BrowserTree(view.window);
        rootText = test::TreeText(tree, test::TreeRoot(tree));
        selection = view.selection;
        PostMessageA(view.window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(folders, std::vector<int32_t>{platform::csidl::Drives});
    EXPECT_EQ(rootText, "My Computer");
    EXPECT_EQ(selection, test::LeafName(dir.Path()));
    EXPECT_EQ(frees.freed.size(), 1u) << "the root item";
}

}  // namespace
