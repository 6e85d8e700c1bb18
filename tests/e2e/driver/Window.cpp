#include "tests/e2e/driver/Window.h"

#include <stdexcept>

#include "tests/support/WindowText.h"

namespace e2e {
namespace {

// Another program may be busy (the installation blocks its window): never wait on it for ever.
constexpr UINT ReplyLimitMs = 5000;

bool TryAsk(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, ReplyLimitMs, &answer)) return false;
    result = static_cast<LRESULT>(answer);
    return true;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!TryAsk(window, message, wParam, lParam, result))
        throw std::runtime_error("a window of class " + Window(window).ClassName() + " did not answer (busy or gone)");
    return result;
}

// Never throws: it runs inside the platform's enumeration callbacks.
bool TryText(HWND window, std::string& text) {
    LRESULT length = 0, copied = 0;
    if (!TryAsk(window, WM_GETTEXTLENGTH, 0, 0, length)) return false;
    text.assign(static_cast<size_t>(length) + 1, '\0');
    if (!TryAsk(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied)) return false;
    text.resize(static_cast<size_t>(copied));
    return true;
}

struct Search {
    std::string className;
    const char* caption;
    DWORD processId;
    std::vector<Window> found;
};

bool Matches(const Search& search, HWND window) {
    Window w(window);
    if (w.ClassName() != search.className) return false;
    if (search.processId && w.ProcessId() != search.processId) return false;
    std::string text;
    return !search.caption || (TryText(window, text) && text == search.caption);
}

BOOL CALLBACK Collect(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (Matches(search, window)) search.found.emplace_back(window);
    return TRUE;
}

std::string Describe(const std::string& className, const char* caption) {
    return "window of class " + className + (caption ? std::string(" captioned \"") + caption + "\"" : "");
}

}  // namespace

std::string Window::ClassName() const { return test::ClassOf(handle_); }

std::string Window::Text() const {
    std::string text;
    if (!TryText(handle_, text))
        throw std::runtime_error("a window of class " + ClassName() + " did not tell its text (busy or gone)");
    return text;
}

int Window::CheckState() const { return static_cast<int>(Ask(handle_, BM_GETCHECK, 0, 0)); }

bool Window::Focused() const { return FocusOf(*this) == *this; }

Window FocusOf(const Window& top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top.Handle(), nullptr), &info)) return Window();
    return Window(info.hwndFocus);
}

DWORD Window::ProcessId() const {
    DWORD id = 0;
    GetWindowThreadProcessId(handle_, &id);
    return id;
}

RECT Window::ScreenRect() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    return r;
}

RECT Window::Placement() const {
    RECT r = ScreenRect();
    POINT topLeft{r.left, r.top};
    if (HWND parent = GetAncestor(handle_, GA_PARENT); parent && parent != GetDesktopWindow())
        ScreenToClient(parent, &topLeft);
    return {topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top};
}

POINT Window::Centre() const {
    RECT r = ScreenRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<Window> Window::Descendants(const std::string& className, const char* caption) const {
    Search search{className, caption, 0, {}};
    EnumChildWindows(handle_, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Window Window::Descendant(const std::string& className, const char* caption) const {
    std::vector<Window> found = Descendants(className, caption);
    if (found.size() != 1)
        throw std::runtime_error(std::to_string(found.size()) + " of " + Describe(className, caption) + " in " +
                                 ClassName() + " \"" + Text() + "\", expected one");
    return found.front();
}

Window Window::DescendantAt(const std::string& className, int left, int top) const {
    for (const Window& w : Descendants(className)) {
        RECT p = w.Placement();
        if (p.left == left && p.top == top) return w;
    }
    throw std::runtime_error("no " + Describe(className, nullptr) + " at " + std::to_string(left) + ", " +
                             std::to_string(top) + " in " + ClassName());
}

std::vector<Window> TopLevelWindows(DWORD processId, const std::string& className, const char* caption) {
    Search search{className, caption, processId, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<Window> TopLevelWindows(const std::string& className) { return TopLevelWindows(0, className); }

}  // namespace e2e
