#include "tests/browser/BrowserDriver.h"


namespace test {

namespace {

struct FindContext {
    std::string className;
    HWND found = nullptr;
};

BOOL CALLBACK FindOne(HWND window, LPARAM context) {
    auto* c = reinterpret_cast<FindContext*>(context);
    if (IsWindowVisible(window) && ClassOf(window) == c->className) {
        c->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindThreadWindow(DWORD threadId, const std::string& className) {
    FindContext context{className};
    EnumThreadWindows(threadId, FindOne, reinterpret_cast<LPARAM>(&context));
    return context.found;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
    return children;
}

RECT ClientRectOf(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HTREEITEM TreeRoot(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM item) {
    std::vector<HTREEITEM> children;
    auto child = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    while (child) {
        children.push_back(child);
        child = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
    }
    return children;
}

std::string TreeText(HWND tree, HTREEITEM item) {
    char text[MAX_PATH] = {};
    TVITEMA tvi{};
    tvi.mask = TVIF_TEXT | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.pszText = text;
    tvi.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    return text;
}

HTREEITEM TreeSelection(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

void Press(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
void PressQueued(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

Driver::Driver(std::function<void(DWORD uiThread)> script)
    : thread_([this, script = std::move(script)](DWORD ui) {
          script(ui);
          auto open = [ui] { return FindThreadWindow(ui, "#32770") || FindThreadWindow(ui, "TDirectoryPrompt"); };
          if (WaitFor([&] { return !open(); }, std::chrono::seconds(10))) return;
          leftOpen_ = true;
          if (HWND browser = FindThreadWindow(ui, "#32770")) PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
          if (HWND prompt = FindThreadWindow(ui, "TDirectoryPrompt")) PostMessageA(prompt, WM_CLOSE, 0, 0);
      }, GetCurrentThreadId()) {}

Driver::~Driver() { Join(); }

void Driver::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace test
