#include "tests/browser/BrowserFixture.h"

#include <stdexcept>

#include "tests/support/TempDir.h"

namespace test {

BrowseDir::BrowseDir() {
    static unsigned counter = 0;
    for (;;) {
        path_ = "C:\\kvbrowse-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

BrowseDir::~BrowseDir() { RemoveTree(path_); }

SendRecorder::SendRecorder()
    : send_(platform::Shell().sendMessage,
            [this](platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
                SentMessage m{window, message, wParam, lParam, {}};
                if (message == platform::browse::SetSelectionA && lParam) m.text = reinterpret_cast<const char*>(lParam);
                m.result = send_.Original()(window, message, wParam, lParam);
                sent.push_back(m);
                return m.result;
            }) {}

std::vector<SentMessage> SendRecorder::Of(uint32_t message) const {
    std::vector<SentMessage> found;
    for (const SentMessage& m : sent)
        if (m.message == message) found.push_back(m);
    return found;
}

FreeRecorder::FreeRecorder()
    : free_(platform::Shell().freeItem, [this](platform::ShellItem item) {
          freed.push_back(item);
          free_.Original()(item);
      }) {}

BrowserTest::BrowserTest()
    : answerBoxes_(platform::Ui().messageBox, [this](const std::string& text, const std::string& caption, uint32_t flags) {
          boxes.push_back({text, caption, flags});
          return platform::mb::IdOk;
      }) {
    application.Initialize();
}

BrowserTest::~BrowserTest() = default;

HWND BrowserTree(HWND browser) { return FindWindowExA(browser, nullptr, "SysTreeView32", nullptr); }

BrowserView ReadBrowser(DWORD uiThread) {
    BrowserView view;
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = FindThreadWindow(uiThread, "#32770")) != nullptr; })) return view;
    view.found = true;
    view.window = window;
    GetWindowRect(window, &view.bounds);
    view.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    view.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (HWND child : Children(window))
        if (ClassOf(child) == "Static" && IsWindowVisible(child)) {
            view.title = TextOf(child);
            break;
        }
    HWND tree = BrowserTree(window);
    if (HTREEITEM selected = TreeSelection(tree)) view.selection = TreeText(tree, selected);
    view.okEnabled = IsWindowEnabled(GetDlgItem(window, IDOK)) != FALSE;
    view.helpButton = GetDlgItem(window, 0xFFFF);
    return view;
}

namespace {

bool Matches(const std::string& pattern, const std::string& text) {
    if (!pattern.empty() && pattern.back() == '*')
        return text.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    if (!pattern.empty() && pattern.front() == '*')
        return text.size() >= pattern.size() - 1 &&
               text.compare(text.size() - (pattern.size() - 1), pattern.size() - 1, pattern, 1) == 0;
    return pattern == text;
}

}  // namespace

HTREEITEM FindTreeItem(HWND tree, const std::vector<std::string>& path) {
    HTREEITEM item = TreeRoot(tree);
    if (!item || path.empty() || !Matches(path[0], TreeText(tree, item))) return nullptr;
    for (size_t i = 1; i < path.size(); ++i) {
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        HTREEITEM next = nullptr;
        for (HTREEITEM child : TreeChildren(tree, item))
            if (Matches(path[i], TreeText(tree, child))) {
                next = child;
                break;
            }
        if (!next) return nullptr;
        item = next;
    }
    return item;
}

void SelectTreeItem(HWND tree, HTREEITEM item) {
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

std::string LeafName(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '\\') p.pop_back();
    return p.substr(p.rfind('\\') + 1);
}

}  // namespace test
