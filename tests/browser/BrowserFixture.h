#pragma once
// Ground shared by the folder browser tests: the application object with its window (the
// browser's owner), message boxes recorded instead of shown, and recorders of what the component
// asks of the platform, each forwarding to the real operation.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/Application.h"
#include "platform/Seam.h"
#include "platform/Shell.h"
#include "platform/Ui.h"
#include "tests/browser/BrowserDriver.h"

namespace test {

struct BoxCall {
    std::string text, caption;
    uint32_t flags = 0;
};

struct SentMessage {
    platform::WindowHandle window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    std::string text;  // for BFFM_SETSELECTIONA: the path sent
    intptr_t result = 0;  // the browser's answer
};

// Every message the component sends through the platform, passed on to the real SendMessageA.
class SendRecorder {
public:
    SendRecorder();
    std::vector<SentMessage> sent;
    // The messages of one kind, in order.
    std::vector<SentMessage> Of(uint32_t message) const;

private:
    platform::ScopedOverride<decltype(platform::ShellApi::sendMessage)> send_;
};

// Every shell item released through the platform, passed on to the real CoTaskMemFree.
class FreeRecorder {
public:
    FreeRecorder();
    std::vector<platform::ShellItem> freed;

private:
    platform::ScopedOverride<decltype(platform::ShellApi::freeItem)> free_;
};

class BrowserTest : public ::testing::Test {
protected:
    BrowserTest();
    ~BrowserTest() override;

    forms::TApplication application;
    std::vector<BoxCall> boxes;

private:
    platform::ScopedOverride<decltype(platform::UiApi::messageBox)> answerBoxes_;
};

// A fresh folder for one test, removed with its content afterwards. Directly below C:\ and not in
// the temporary folder: Wine's browser matches the start folder's ancestors with the time stamps
// it read when it filled its tree, and Wine itself writes short-lived files into the temporary
// folder while the browser opens, so a start folder below it is now and then not found.
class BrowseDir {
public:
    BrowseDir();
    ~BrowseDir();
    BrowseDir(const BrowseDir&) = delete;
    BrowseDir& operator=(const BrowseDir&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// What a driver script saw of the shell's browser.
struct BrowserView {
    bool found = false;
    HWND window = nullptr;
    RECT bounds{};
    int screenWidth = 0, screenHeight = 0;
    std::string title;        // the text above the tree
    std::string selection;    // the selected tree item's text; empty when none is selected
    bool okEnabled = false;
    HWND helpButton = nullptr;
};

// Waits for the browser window of the thread, visible, and reads it.
BrowserView ReadBrowser(DWORD uiThread);
HWND BrowserTree(HWND browser);
// The tree item reached from the root through children with these texts (a text ending in "*"
// matches any text that begins with the rest, a text beginning with "*" any that ends with it).
HTREEITEM FindTreeItem(HWND tree, const std::vector<std::string>& path);
// Selects an item as a click on it does, and returns when the browser has reacted.
void SelectTreeItem(HWND tree, HTREEITEM item);
// The last component of a path.
std::string LeafName(const std::string& path);

}  // namespace test
