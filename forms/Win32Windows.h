#pragma once
// The toolkit's side of the platform's windows, for its own sources only: its window classes and
// their one window procedure, the control that owns a window, colour brushes.
#include <windows.h>

#include "forms/Types.h"

namespace forms {
class TControl;
}

namespace forms::win {

HINSTANCE Instance();
// Registers the class unless one of its name is there already; EOSError when the platform refuses.
void RegisterClassOnce(const WNDCLASSA& cls);
// Registers a window class of the toolkit under that name once; its windows' messages go to the
// control that made them.
void RegisterOwnClass(const char* name);
// The control that made a window (standard or own); nullptr for any other window.
TControl* ControlOf(HWND window);
void Attach(HWND window, TControl* control);
void Detach(HWND window);

COLORREF ToRgb(TColor color);
// A brush of the colour, kept for the rest of the run.
HBRUSH BrushOf(TColor color);

inline HWND Hwnd(WindowHandle h) { return static_cast<HWND>(h); }

// Device contexts and the objects selected into them, given back also when drawing raises (an
// error in a handler goes to the error box and the message loop goes on).
class WindowDc {  // GetDC ... ReleaseDC: drawing outside WM_PAINT
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

class PaintDc {  // BeginPaint ... EndPaint: WM_PAINT
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

class SelectedObject {  // SelectObject, and the one it replaced selected back
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { if (previous_) SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace forms::win
