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

}  // namespace forms::win
