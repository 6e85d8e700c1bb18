#pragma once
// The shell's folder browser and the few window operations that go with it: the window it opens
// is placed, subclassed, given a button and sent messages by the code that asked for it. No
// <windows.h> here; message, flag and style values are those of Win32.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// A window of the platform (HWND), an item of the shell's namespace (an ITEMIDLIST the shell
// allocated), a window procedure's address (WNDPROC).
using WindowHandle = void*;
using ShellItem = void*;
using WindowProcAddress = void*;

// Win32 values that the callers of these operations need.
namespace browse {
enum : uint32_t { ReturnOnlyFsDirs = 0x1, ReturnFsAncestors = 0x8, BrowseForComputer = 0x1000 };
// Callback messages and the messages a callback may send to the browser window.
enum : uint32_t { Initialized = 1, SelChanged = 2, EnableOk = 0x400 + 101, SetSelectionA = 0x400 + 102 };
}  // namespace browse
namespace csidl { enum : int32_t { Drives = 0x11, Network = 0x12 }; }
namespace wm { enum : uint32_t { NcDestroy = 0x82, SetFont = 0x30, GetFont = 0x31, Command = 0x111 }; }
namespace bn { enum : uint16_t { Clicked = 0 }; }
namespace ws {
enum : uint32_t { Child = 0x40000000u, Visible = 0x10000000u, ClipSiblings = 0x04000000u, TabStop = 0x00010000u };
}

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Called by the browser with its window, the callback message and its parameter (the selected
// item for browse::SelChanged); its answer goes back to the browser. It must not throw: the
// browser's frames lie between it and the caller of browseForFolder.
using BrowseCallback = std::function<int32_t(WindowHandle window, uint32_t message, intptr_t param)>;

// What SHBrowseForFolderA is asked for (BROWSEINFOA).
struct BrowseRequest {
    WindowHandle owner = nullptr;
    ShellItem root = nullptr;        // nullptr: the desktop
    char* displayName = nullptr;     // a buffer of 260 characters that the browser fills
    const char* title = nullptr;     // nullptr: none
    uint32_t flags = 0;
    BrowseCallback callback;         // empty: none
    int32_t imageIndex = 0;          // out: the system image index of the chosen item
};

// The messages of a subclassed window: window, message, wParam, lParam; the answer is the
// message's result. It must not throw: the platform's frames lie between it and any caller.
using WindowMessageHandler = std::function<intptr_t(WindowHandle, uint32_t message, uintptr_t wParam, intptr_t lParam)>;

struct ShellApi {
    // Whether the platform offers the shell folder browser (Windows 4.0 or later: GetVersion).
    std::function<bool()> folderBrowserAvailable;
    // SHGetSpecialFolderLocation: the item of a special folder (csidl) into *item; the HRESULT.
    std::function<int32_t(WindowHandle owner, int32_t csidl, ShellItem* item)> specialFolderLocation;
    // SHBrowseForFolderA: runs the browser modally; the chosen item, nullptr on Cancel.
    std::function<ShellItem(BrowseRequest& request)> browseForFolder;
    // SHGetPathFromIDListA into 260 characters: the item's file-system path; false when it has none.
    std::function<bool(ShellItem item, std::string* path)> pathFromItem;
    // CoTaskMemFree: releases an item that the shell gave.
    std::function<void(ShellItem item)> freeItem;
    // GetLastError, and FormatMessageA of a system error code (empty when the system has no text).
    std::function<uint32_t()> lastError;
    std::function<std::string(uint32_t code)> systemErrorMessage;

    // GetActiveWindow / SetActiveWindow.
    std::function<WindowHandle()> activeWindow;
    std::function<void(WindowHandle window)> setActiveWindow;
    // GetSystemMetrics(SM_CXSCREEN) / GetSystemMetrics(SM_CYSCREEN).
    std::function<int32_t()> screenWidth;
    std::function<int32_t()> screenHeight;
    // GetWindowRect: the window's rectangle on the screen.
    std::function<Rect(WindowHandle window)> windowRect;
    // MapWindowPoints from the screen: a screen rectangle in the client coordinates of window.
    std::function<Rect(WindowHandle window, const Rect& screen)> screenToClient;
    // SetWindowPos to (left, top) with SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE.
    std::function<void(WindowHandle window, int32_t left, int32_t top)> moveWindow;
    // FindWindowExA(parent, nullptr, className, nullptr): the first child window of the class.
    std::function<WindowHandle(WindowHandle parent, const std::string& className)> findChildWindow;
    // CreateWindowExA of a child window without extended styles in the program's instance.
    std::function<WindowHandle(const std::string& className, const std::string& caption, uint32_t style,
                               int32_t left, int32_t top, int32_t width, int32_t height, WindowHandle parent,
                               uint32_t id)>
        createChildWindow;
    // SendMessageA.
    std::function<intptr_t(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam)> sendMessage;
    // UpdateWindow.
    std::function<void(WindowHandle window)> updateWindow;
    // SetWindowLongPtrA(GWLP_WNDPROC): the window's messages go to *handler from now on, until its
    // final destroy message (after which the window is gone); returns the procedure it had. The
    // handler must outlive the window or the next replacement.
    std::function<WindowProcAddress(WindowHandle window, const WindowMessageHandler* handler)> replaceWindowProc;
    // CallWindowProcA: hands a message to a window procedure.
    std::function<intptr_t(WindowProcAddress procedure, WindowHandle window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam)>
        callWindowProc;
};

ShellApi& Shell();

}  // namespace platform
