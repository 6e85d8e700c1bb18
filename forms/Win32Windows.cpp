#include "forms/Win32Windows.h"

#include <exception>
#include <map>
#include <set>
#include <string>

#include "forms/Application.h"
#include "forms/Consts.h"
#include "forms/Control.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace forms::win {
namespace {

constexpr char ControlProperty[] = "KvControl";

LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        AttachWindow(*static_cast<TControl*>(create->lpCreateParams), window);
    }
    TControl* control = ControlOf(window);
    if (!control) return DefWindowProcA(window, message, wParam, lParam);
    // No exception may cross the platform's frames: an error in a handler goes to the
    // application's error box, and the message loop goes on.
    try {
        return control->WndProc(message, wParam, lParam);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
        return 0;
    }
}

}  // namespace

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

void RegisterClassOnce(const WNDCLASSA& cls) {
    WNDCLASSA existing;
    if (GetClassInfoA(cls.hInstance, cls.lpszClassName, &existing)) return;
    if (!RegisterClassA(&cls)) throw rtl::EOSError(rtl::Format(consts::SClassRegisterError, cls.lpszClassName));
}

void RegisterOwnClass(const char* name) {
    static std::set<std::string> registered;
    if (registered.count(name)) return;
    WNDCLASSA cls{};
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = OwnWindowProc;
    cls.hInstance = Instance();
    // No icon: a dialog frame shows none; the application window carries the program's icon.
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = name;
    RegisterClassOnce(cls);
    registered.insert(name);
}

TControl* ControlOf(HWND window) { return static_cast<TControl*>(GetPropA(window, ControlProperty)); }
void Attach(HWND window, TControl* control) { SetPropA(window, ControlProperty, control); }
void Detach(HWND window) { RemovePropA(window, ControlProperty); }

COLORREF ToRgb(TColor color) {
    if (color & clSystemColor) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color);
}

HBRUSH BrushOf(TColor color) {
    if (color & clSystemColor) return GetSysColorBrush(color & 0xFF);
    static std::map<TColor, HBRUSH> brushes;
    HBRUSH& brush = brushes[color];
    if (!brush) brush = CreateSolidBrush(ToRgb(color));
    return brush;
}

}  // namespace forms::win
