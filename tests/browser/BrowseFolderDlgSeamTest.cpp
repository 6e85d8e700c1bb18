// TBrowseFolderDlg with the shell's operations replaced: the request it makes, the arithmetic of
// centring, the computers kind, the errors of the shell and what is restored when one passes.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>

#include "forms/Application.h"
#include "platform/Files.h"
#include "rtl/Exceptions.h"
#include "tests/browser/BrowserFixture.h"
#include "wizard/BrowseFolderDlg.h"

namespace {

using platform::ShellApi;
using platform::ShellItem;
using platform::WindowHandle;

WindowHandle const FakeBrowser = reinterpret_cast<WindowHandle>(0x1230);
ShellItem const FakeRoot = reinterpret_cast<ShellItem>(0x5670);
ShellItem const FakeItem = reinterpret_cast<ShellItem>(0x89A0);
platform::WindowProcAddress const FakePrevious = reinterpret_cast<platform::WindowProcAddress>(0x4440);

// A shell whose browser is a script: it calls the request's callback as the real one would and
// returns the item the test chose. Window operations on the fake browser window are recorded.
class FakeShell {
public:
    FakeShell()
        : saved_(platform::Shell()) {
        ShellApi& shell = platform::Shell();
        shell.specialFolderLocation = [this](WindowHandle owner, int32_t csidl, ShellItem* item) {
            special.push_back(csidl);
            *item = specialResult >= 0 ? FakeRoot : nullptr;
            return specialResult;
        };
        shell.browseForFolder = [this](platform::BrowseRequest& request) {
            ++browses;
            owner = request.owner;
            root = request.root;
            title = request.title ? request.title : "<none>";
            flags = request.flags;
            if (script) script(request);
            request.imageIndex = imageIndex;
            return chosen;
        };
        shell.pathFromItem = [this](ShellItem item, std::string* path) {
            pathItems.push_back(item);
            if (!pathOf) return false;
            *path = pathOf(item);
            return !path->empty();
        };
        shell.freeItem = [this](ShellItem item) { freed.push_back(item); };
        shell.lastError = [this]() { return lastError; };
        shell.windowRect = [this](WindowHandle) { return browserRect; };
        shell.screenWidth = []() { return 1024; };
        shell.screenHeight = []() { return 768; };
        shell.moveWindow = [this](WindowHandle w, int32_t left, int32_t top) { moves.push_back({left, top}); };
        shell.replaceWindowProc = [this](WindowHandle w, const platform::WindowMessageHandler* h) {
            handler = h;
            return FakePrevious;
        };
        shell.callWindowProc = [this](platform::WindowProcAddress proc, WindowHandle w, uint32_t m, uintptr_t wp,
                                      intptr_t lp) -> intptr_t {
            passedOn.push_back(m);
            EXPECT_EQ(proc, FakePrevious);
            EXPECT_EQ(w, FakeBrowser);
            return 42;
        };
        shell.sendMessage = [this](WindowHandle w, uint32_t m, uintptr_t wp, intptr_t lp) -> intptr_t {
            sent.push_back({m, wp, lp});
            return 0;
        };
        shell.findChildWindow = [](WindowHandle, const std::string&) -> WindowHandle { return nullptr; };
    }
    ~FakeShell() { platform::Shell() = saved_; }

    struct Sent {
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
    };
    std::function<void(platform::BrowseRequest&)> script;
    std::function<std::string(ShellItem)> pathOf;
    ShellItem chosen = nullptr;
    int32_t imageIndex = 0;
    int32_t specialResult = 0;
    uint32_t lastError = 0;
    platform::Rect browserRect{100, 100, 401, 301};

    int browses = 0;
    WindowHandle owner = nullptr;
    ShellItem root = reinterpret_cast<ShellItem>(-1);
    std::string title;
    uint32_t flags = 0;
    std::vector<int32_t> special;
    std::vector<ShellItem> pathItems, freed;
    std::vector<std::pair<int32_t, int32_t>> moves;
    const platform::WindowMessageHandler* handler = nullptr;
    std::vector<uint32_t> passedOn;
    std::vector<Sent> sent;

private:
    ShellApi saved_;
};

class BrowseFolderDlgSeamTest : public test::BrowserTest {
protected:
    FakeShell shell;
};

TEST_F(BrowseFolderDlgSeamTest, PublishesItsPropertiesInOrderWithTheirDefaults) {
    wizard::TBrowseFolderDlg dialog(nullptr);
    EXPECT_EQ(dialog.BrowseKind, wizard::bfFolders);
    EXPECT_TRUE(dialog.DesktopRoot);
    EXPECT_EQ(dialog.DialogText, "");
    EXPECT_EQ(dialog.FolderName, "");
    EXPECT_EQ(dialog.HelpContext, 0);
    EXPECT_EQ(dialog.Position, wizard::dpScreenCenter);
    EXPECT_FALSE(dialog.OnInitialized);
    EXPECT_FALSE(dialog.OnSelChanged);
    EXPECT_EQ(dialog.DialogWindow(), nullptr);
    EXPECT_EQ(dialog.PreviousWindowProc(), nullptr);

    const rtl::PropertyTable* table = dialog.StoredProperties();
    ASSERT_NE(table, nullptr);
    std::vector<std::string> names;
    for (size_t i = 0; i < table->count; ++i) names.push_back(table->properties[i].name);
    EXPECT_EQ(names, (std::vector<std::string>{"BrowseKind", "DesktopRoot", "DialogText", "FolderName", "HelpContext",
                                               "Position", "OnInitialized", "OnSelChanged"}));
    EXPECT_EQ(table->properties[0].defaultValue, wizard::bfFolders);
    EXPECT_EQ(table->properties[1].defaultValue, 1);
    EXPECT_EQ(table->properties[4].defaultValue, 0);
    EXPECT_EQ(table->properties[5].defaultValue, wizard::dpScreenCenter);
}

TEST_F(BrowseFolderDlgSeamTest, AsksForFileSystemFoldersFromTheDesktopOwnedByTheApplicationWindow) {
    wizard::TBrowseFolderDlg dialog(&application);
    dialog.DialogText = "Choose";
    shell.script = [&](platform::BrowseRequest& request) {
        ASSERT_NE(request.displayName, nullptr);
        EXPECT_TRUE(request.callback);
        EXPECT_EQ(dialog.DisplayName(), "");
    };
    EXPECT_FALSE(dialog.RunBrowser());
    EXPECT_EQ(shell.owner, application.Handle());
    EXPECT_EQ(shell.root, nullptr);
    EXPECT_EQ(shell.title, "Choose");
    EXPECT_EQ(shell.flags, 9u);
    EXPECT_TRUE(shell.special.empty());
    EXPECT_TRUE(shell.freed.empty());

    dialog.DialogText.clear();
    dialog.RunBrowser();
    EXPECT_EQ(shell.title, "<none>") << "no title when DialogText is empty";
}

TEST_F(BrowseFolderDlgSeamTest, CentringHalvesWithTruncationTowardZero) {
    wizard::TBrowseFolderDlg dialog(&application);
    shell.script = [](platform::BrowseRequest& request) {
        request.callback(FakeBrowser, platform::browse::Initialized, 0);
    };
    shell.browserRect = {100, 100, 401, 301};  // 301 x 201
    dialog.RunBrowser();
    // A window larger than the screen by an odd amount: (1024 - 1025) / 2 is 0, not -1.
    shell.browserRect = {-5, -5, 1020, 764};  // 1025 x 769
    dialog.RunBrowser();
    dialog.Position = wizard::dpDefault;
    dialog.RunBrowser();
    ASSERT_EQ(shell.moves.size(), 2u);
    EXPECT_EQ(shell.moves[0], std::make_pair(361, 283));
    EXPECT_EQ(shell.moves[1], std::make_pair(0, 0));
}

TEST_F(BrowseFolderDlgSeamTest, TheComputersKindStartsAtTheNetworkAndAnswersWithTheDisplayName) {
    wizard::TBrowseFolderDlg dialog(&application);
    dialog.BrowseKind = wizard::bfComputers;
    dialog.FolderName = "SERVER0";
    shell.chosen = FakeItem;
    shell.imageIndex = 17;
    std::string selectedAtChange;
    dialog.OnSelChanged = [&](rtl::TComponent&) { selectedAtChange = dialog.SelectedPath(); };
    shell.script = [&](platform::BrowseRequest& request) {
        request.callback(FakeBrowser, platform::browse::Initialized, 0);
        std::strcpy(request.displayName, "SERVER1");
        request.callback(FakeBrowser, platform::browse::SelChanged, reinterpret_cast<intptr_t>(FakeItem));
    };
    ASSERT_TRUE(dialog.RunBrowser());
    EXPECT_EQ(shell.special, std::vector<int32_t>{platform::csidl::Network});
    EXPECT_EQ(shell.root, FakeRoot);
    EXPECT_EQ(shell.flags, 0x1000u);
    // The start is selected without a check that it exists.
    ASSERT_FALSE(shell.sent.empty());
    EXPECT_EQ(shell.sent[0].message, platform::browse::SetSelectionA);
    EXPECT_EQ(selectedAtChange, "SERVER1");
    EXPECT_EQ(dialog.FolderName, "SERVER1");
    EXPECT_EQ(dialog.SelectedPath(), "SERVER1");
    EXPECT_EQ(dialog.SelectedImageIndex(), 17);
    EXPECT_TRUE(shell.pathItems.empty());
    EXPECT_EQ(shell.freed, (std::vector<ShellItem>{FakeItem, FakeRoot}));
}

TEST_F(BrowseFolderDlgSeamTest, AFolderWithoutPathRaisesThePlatformErrorAndReleasesEverything) {
    wizard::TBrowseFolderDlg dialog(&application);
    dialog.DesktopRoot = false;
    dialog.FolderName = "C:\\before";
    shell.chosen = FakeItem;
    shell.lastError = 5;
    try {
        dialog.RunBrowser();
        FAIL() << "no error";
    } catch (const rtl::EOSError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("System Error.  Code: 5.\r\n", 0), 0u) << e.what();
        EXPECT_GT(std::string(e.what()).size(), std::string("System Error.  Code: 5.\r\n").size());
        EXPECT_NE(std::string(e.what()).back(), '.');
    }
    EXPECT_EQ(shell.special, std::vector<int32_t>{platform::csidl::Drives});
    EXPECT_EQ(shell.freed, (std::vector<ShellItem>{FakeItem, FakeRoot}));
    EXPECT_EQ(dialog.FolderName, "C:\\before");
    EXPECT_EQ(dialog.DialogWindow(), nullptr);
    EXPECT_EQ(dialog.PreviousWindowProc(), nullptr);

    shell.lastError = 0;
    EXPECT_THROW(
        {
            try {
                dialog.RunBrowser();
            } catch (const rtl::EOSError& e) {
                EXPECT_STREQ(e.what(), "A call to an OS function failed");
                throw;
            }
        },
        rtl::EOSError);
}

TEST_F(BrowseFolderDlgSeamTest, NoRootFolderRaisesBeforeTheBrowserOpens) {
    wizard::TBrowseFolderDlg dialog(&application);
    dialog.DesktopRoot = false;
    shell.specialResult = static_cast<int32_t>(0x80004005u);  // E_FAIL
    EXPECT_THROW(dialog.RunBrowser(), rtl::EOSError);
    EXPECT_EQ(shell.browses, 0);
    EXPECT_TRUE(shell.freed.empty());
}

TEST_F(BrowseFolderDlgSeamTest, ASelectionWithoutPathDisablesOkAndAMissingFolderToo) {
    wizard::TBrowseFolderDlg dialog(&application);
    const std::string existing = platform::Files().getCurrentDirectory();
    std::vector<std::string> selections;
    dialog.OnSelChanged = [&](rtl::TComponent&) { selections.push_back(dialog.SelectedPath()); };
    shell.pathOf = [&](ShellItem item) -> std::string {
        if (item == FakeItem) return existing;
        if (item == FakeRoot) return "C:\\no such folder here";
        return "";
    };
    shell.script = [&](platform::BrowseRequest& request) {
        request.callback(FakeBrowser, platform::browse::Initialized, 0);
        request.callback(FakeBrowser, platform::browse::SelChanged, reinterpret_cast<intptr_t>(FakeItem));
        request.callback(FakeBrowser, platform::browse::SelChanged, reinterpret_cast<intptr_t>(FakeRoot));
        request.callback(FakeBrowser, platform::browse::SelChanged, 0);
    };
    dialog.RunBrowser();
    EXPECT_EQ(selections, (std::vector<std::string>{existing, "C:\\no such folder here", ""}));
    std::vector<intptr_t> enables;
    for (const auto& s : shell.sent)
        if (s.message == platform::browse::EnableOk) enables.push_back(s.lParam);
    EXPECT_EQ(enables, (std::vector<intptr_t>{1, 0, 0}));
}

TEST_F(BrowseFolderDlgSeamTest, MessagesGoToTheBrowsersOwnProcedureOnlyWhileItIsOpen) {
    wizard::TBrowseFolderDlg dialog(&application);
    application.HelpFile = "korvane.hlp";
    std::vector<uint32_t> topics;
    platform::ScopedOverride help(platform::Ui().winHelp, std::function<bool(const std::string&, uint32_t, const std::string&, uint32_t)>(
        [&](const std::string&, uint32_t, const std::string&, uint32_t topic) {
            topics.push_back(topic);
            return true;
        }));
    std::vector<intptr_t> results;
    auto send = [&](uint32_t message, uintptr_t wParam) {
        results.push_back((*shell.handler)(FakeBrowser, message, wParam, 0));
    };
    const uintptr_t helpClick = 0xFFFF;  // BN_CLICKED (0) from 0xFFFF
    shell.script = [&](platform::BrowseRequest& request) {
        request.callback(FakeBrowser, platform::browse::Initialized, 0);
        ASSERT_NE(shell.handler, nullptr);
        send(0x000F, 0);                // WM_PAINT: passed on, its answer kept
        send(WM_COMMAND, helpClick);    // HelpContext 0: passed on
        dialog.HelpContext = 99;
        send(WM_COMMAND, helpClick);    // the Help button: help, nothing passed on
        send(WM_COMMAND, 0x00010000 | 0xFFFF);  // another notification: passed on
        send(WM_COMMAND, IDOK);         // passed on
        send(WM_NCDESTROY, 0);          // passed on, then the window is gone
        EXPECT_EQ(dialog.DialogWindow(), nullptr);
        send(0x000F, 0);                // nothing open: ignored
    };
    dialog.RunBrowser();
    EXPECT_EQ(shell.passedOn, (std::vector<uint32_t>{0x000F, WM_COMMAND, WM_COMMAND, WM_COMMAND, WM_NCDESTROY}));
    EXPECT_EQ(results, (std::vector<intptr_t>{42, 42, 0, 42, 42, 42, 0}));
    EXPECT_EQ(topics, std::vector<uint32_t>{99});
}

TEST_F(BrowseFolderDlgSeamTest, AnErrorInAnEventGoesToTheErrorBoxAndTheCallbackAnswersZero) {
    wizard::TBrowseFolderDlg dialog(&application);
    application.SetTitle("Korvane installer/uninstaller");
    dialog.OnInitialized = [](rtl::TComponent&) { throw rtl::Exception("Broken handler"); };
    int32_t answer = -1;
    shell.script = [&](platform::BrowseRequest& request) {
        answer = request.callback(FakeBrowser, platform::browse::Initialized, 0);
    };
    EXPECT_FALSE(dialog.RunBrowser());
    EXPECT_EQ(answer, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Broken handler.");
    EXPECT_EQ(boxes[0].caption, "Korvane installer/uninstaller");
    boxes.clear();
}

TEST_F(BrowseFolderDlgSeamTest, BrowseForFolderCreatesAndDestroysOneComponentAlsoWhenAnErrorPasses) {
    const int before = application.ComponentCount();
    int during = 0;
    shell.script = [&](platform::BrowseRequest&) { during = application.ComponentCount(); };
    std::string folder = "C:\\start";
    shell.chosen = FakeItem;
    shell.lastError = 2;
    EXPECT_THROW(wizard::BrowseForFolder(folder, "Title", 0), rtl::EOSError);
    EXPECT_EQ(during, before + 1);
    EXPECT_EQ(application.ComponentCount(), before);
    EXPECT_EQ(folder, "C:\\start");

    shell.chosen = nullptr;
    EXPECT_FALSE(wizard::BrowseForFolder(folder, "Title", 0));
    EXPECT_EQ(folder, "C:\\start");
    EXPECT_EQ(application.ComponentCount(), before);

    shell.chosen = FakeItem;
    shell.pathOf = [](ShellItem) { return std::string("D:\\Chosen\\"); };
    EXPECT_TRUE(wizard::BrowseForFolder(folder, "Title", 0));
    EXPECT_EQ(folder, "D:\\Chosen");
    EXPECT_EQ(shell.title, "Title");
}

}  // namespace
