#pragma once
// The one window of a stand-in program (a running IDE, the desktop's shell): a class whose window
// ends the program when it is destroyed, and the thread's messages handled until then.
#include <windows.h>

namespace test {

inline LRESULT CALLBACK QuitWhenDestroyed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline bool RegisterQuittingClass(HINSTANCE instance, const char* className) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = QuitWhenDestroyed;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = className;
    return RegisterClassA(&cls) != 0;
}

// Until the window is destroyed; the program's exit code.
inline int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace test
