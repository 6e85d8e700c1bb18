#include <windows.h>
#include <shlobj.h>

#include "platform/Shell.h"

namespace platform {
namespace {

// A subclassed window keeps its handler and its own procedure in two window properties, so that
// one entry point serves every window and no code is made at run time.
constexpr char HandlerProperty[] = "KvWindowMessageHandler";
constexpr char PreviousProperty[] = "KvPreviousWindowProc";

LRESULT CALLBACK SubclassedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* handler = static_cast<const WindowMessageHandler*>(GetPropA(window, HandlerProperty));
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, PreviousProperty));
    if (message == WM_NCDESTROY) {
        // The window's last message: its properties go before it does.
        RemovePropA(window, HandlerProperty);
        RemovePropA(window, PreviousProperty);
    }
    if (handler && *handler) return (*handler)(window, message, wParam, lParam);
    return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                    : DefWindowProcA(window, message, wParam, lParam);
}

int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM param, LPARAM data) {
    const auto& callback = *reinterpret_cast<const BrowseCallback*>(data);
    return callback(window, message, param);
}

ShellApi MakeWin32Shell() {
    ShellApi api;
    api.folderBrowserAvailable = []() { return LOBYTE(LOWORD(GetVersion())) >= 4; };
    api.specialFolderLocation = [](WindowHandle owner, int32_t csidl, ShellItem* item) {
        LPITEMIDLIST found = nullptr;
        HRESULT result = SHGetSpecialFolderLocation(static_cast<HWND>(owner), csidl, &found);
        *item = found;
        return static_cast<int32_t>(result);
    };
    api.browseForFolder = [](BrowseRequest& request) -> ShellItem {
        BROWSEINFOA info{};
        info.hwndOwner = static_cast<HWND>(request.owner);
        info.pidlRoot = static_cast<LPCITEMIDLIST>(request.root);
        info.pszDisplayName = request.displayName;
        info.lpszTitle = request.title;
        info.ulFlags = request.flags;
        if (request.callback) {
            info.lpfn = BrowseCallbackProc;
            info.lParam = reinterpret_cast<LPARAM>(&request.callback);
        }
        LPITEMIDLIST item = SHBrowseForFolderA(&info);
        request.imageIndex = info.iImage;
        return item;
    };
    api.pathFromItem = [](ShellItem item, std::string* path) {
        char buffer[MAX_PATH + 1] = {};
        if (!SHGetPathFromIDListA(static_cast<LPCITEMIDLIST>(item), buffer)) return false;
        *path = buffer;
        return true;
    };
    api.freeItem = [](ShellItem item) { CoTaskMemFree(item); };
    api.lastError = []() { return static_cast<uint32_t>(GetLastError()); };
    api.systemErrorMessage = [](uint32_t code) {
        char buffer[256] = {};
        DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                      buffer, sizeof buffer, nullptr);
        return std::string(buffer, length);
    };

    api.activeWindow = []() -> WindowHandle { return GetActiveWindow(); };
    api.setActiveWindow = [](WindowHandle window) { SetActiveWindow(static_cast<HWND>(window)); };
    api.screenWidth = []() { return static_cast<int32_t>(GetSystemMetrics(SM_CXSCREEN)); };
    api.screenHeight = []() { return static_cast<int32_t>(GetSystemMetrics(SM_CYSCREEN)); };
    api.windowRect = [](WindowHandle window) {
        RECT r{};
        GetWindowRect(static_cast<HWND>(window), &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    };
    api.screenToClient = [](WindowHandle window, const Rect& screen) {
        POINT corners[2] = {{screen.left, screen.top}, {screen.right, screen.bottom}};
        MapWindowPoints(HWND_DESKTOP, static_cast<HWND>(window), corners, 2);
        return Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    };
    api.moveWindow = [](WindowHandle window, int32_t left, int32_t top) {
        SetWindowPos(static_cast<HWND>(window), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    api.findChildWindow = [](WindowHandle parent, const std::string& className) -> WindowHandle {
        return FindWindowExA(static_cast<HWND>(parent), nullptr, className.c_str(), nullptr);
    };
    api.createChildWindow = [](const std::string& className, const std::string& caption, uint32_t style,
                               int32_t left, int32_t top, int32_t width, int32_t height, WindowHandle parent,
                               uint32_t id) -> WindowHandle {
        return CreateWindowExA(0, className.c_str(), caption.c_str(), style, left, top, width, height,
                               static_cast<HWND>(parent), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    };
    api.sendMessage = [](WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
        return static_cast<intptr_t>(SendMessageA(static_cast<HWND>(window), message, wParam, lParam));
    };
    api.updateWindow = [](WindowHandle window) { UpdateWindow(static_cast<HWND>(window)); };
    api.replaceWindowProc = [](WindowHandle window, const WindowMessageHandler* handler) -> WindowProcAddress {
        HWND w = static_cast<HWND>(window);
        SetPropA(w, HandlerProperty, const_cast<WindowMessageHandler*>(handler));
        LONG_PTR previous = GetWindowLongPtrA(w, GWLP_WNDPROC);
        SetPropA(w, PreviousProperty, reinterpret_cast<HANDLE>(previous));
        SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassedWindowProc));
        return reinterpret_cast<WindowProcAddress>(previous);
    };
    api.callWindowProc = [](WindowProcAddress procedure, WindowHandle window, uint32_t message, uintptr_t wParam,
                            intptr_t lParam) {
        return static_cast<intptr_t>(CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), static_cast<HWND>(window),
                                                     message, wParam, lParam));
    };
    return api;
}

}  // namespace

ShellApi& Shell() {
    static ShellApi api = MakeWin32Shell();
    return api;
}

}  // namespace platform
