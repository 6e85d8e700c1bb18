#pragma once
// A window of another program, seen as a user sees it: class, caption or text, where it lies,
// whether it is visible, enabled, checked or focused. Nothing here calls into that program
// beyond the messages any other program may send to its windows.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && IsWindow(handle_); }
    bool operator==(const Window& other) const { return handle_ == other.handle_; }

    std::string ClassName() const;
    // The window text as WM_GETTEXT gives it (an edit's contents, a label's caption).
    std::string Text() const;
    // Shown, and so are all its parents.
    bool Visible() const { return IsWindowVisible(handle_) != FALSE; }
    bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE of a button.
    int CheckState() const;
    // Has the keyboard focus of its program.
    bool Focused() const;
    DWORD ProcessId() const;

    RECT ScreenRect() const;
    // Left, top, width, height in the client area of its parent.
    RECT Placement() const;
    POINT Centre() const;

    // Every window below this one (children, grandchildren...) of the class, with the caption
    // when one is given.
    std::vector<Window> Descendants(const std::string& className, const char* caption = nullptr) const;
    // The one such window; throws std::runtime_error when there is none or more than one.
    Window Descendant(const std::string& className, const char* caption = nullptr) const;
    // The one such window placed at left, top of its parent's client area.
    Window DescendantAt(const std::string& className, int left, int top) const;

private:
    HWND handle_ = nullptr;
};

// The window that has the keyboard focus in the program that owns top.
Window FocusOf(const Window& top);
// Top-level windows of a process, of the class, with the caption when one is given.
std::vector<Window> TopLevelWindows(DWORD processId, const std::string& className, const char* caption = nullptr);
// Top-level windows of any process, of the class.
std::vector<Window> TopLevelWindows(const std::string& className);

}  // namespace e2e
