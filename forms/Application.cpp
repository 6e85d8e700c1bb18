#include "forms/Application.h"

#include <windows.h>

#include "forms/Consts.h"
#include "forms/Form.h"
#include "forms/Win32Windows.h"
#include "platform/Ui.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace forms {

TApplication* Application = nullptr;

namespace {

constexpr char ApplicationWindowClass[] = "TApplication";

// The application window stands in for the main form: a close request from the task bar closes it.
LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && Application && Application->MainForm()) {
        try {
            Application->MainForm()->Close();
        } catch (const std::exception& e) {
            Application->HandleException(e);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// The arrow keys move the focus, and with it the choice, among the radio buttons of one group.
// The platform's dialog keys look for the group among the window's direct children only, and the
// toolkit's radio buttons sit in panels and pages.
bool MoveInRadioGroup(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const bool previous = msg.wParam == VK_UP || msg.wParam == VK_LEFT;
    if (!previous && msg.wParam != VK_DOWN && msg.wParam != VK_RIGHT) return false;
    if (!(SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, 0) & DLGC_RADIOBUTTON)) return false;
    HWND next = GetNextDlgGroupItem(GetParent(msg.hwnd), msg.hwnd, previous);
    if (!next || next == msg.hwnd) return true;
    SetFocus(next);
    // As the dialog keys do for radio buttons: the one that takes the focus is clicked.
    SendMessageA(GetParent(next), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED), reinterpret_cast<LPARAM>(next));
    return true;
}

// Tab and Shift+Tab go to the form as a dialog box's do (WM_NEXTDLGCTL). The platform's dialog
// keys would move the focus themselves in a window that is no dialog box, and take the default
// push button's role from every button on the way.
bool MoveInTabOrder(const MSG& msg, HWND form) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if (SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
        (DLGC_WANTTAB | DLGC_WANTALLKEYS))
        return false;
    SendMessageA(form, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) != 0, 0);
    return true;
}

}  // namespace

TApplication::TApplication() : rtl::TComponent(nullptr) { Application = this; }

TApplication::~TApplication() {
    DestroyComponents();
    if (handle_) DestroyWindow(win::Hwnd(handle_));
    platform::SetMainWindow(nullptr);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    if (handle_) return;
    WNDCLASSA cls{};
    cls.lpfnWndProc = ApplicationWindowProc;
    cls.hInstance = win::Instance();
    cls.hIcon = LoadIconA(win::Instance(), "MAINICON");
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = ApplicationWindowClass;
    win::RegisterClassOnce(cls);
    // No size, so nothing of it is seen; its caption is the program's title on the task bar.
    handle_ = CreateWindowExA(0, ApplicationWindowClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, win::Instance(), nullptr);
    if (!handle_) throw rtl::EOSError(rtl::Format(consts::SWindowCreateError, ApplicationWindowClass));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextA(win::Hwnd(handle_), title.c_str());
}

void TApplication::SetMainForm(TForm* form) {
    mainForm_ = form;
    platform::SetMainWindow(form->Handle());
}

void TApplication::Run() {
    if (handle_) ShowWindow(win::Hwnd(handle_), SW_SHOWNOACTIVATE);
    if (mainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::Dispatch(void* message) {
    MSG& msg = *static_cast<MSG*>(message);
    // The keyboard of a form is the dialog keyboard: Tab, Enter, Esc, arrows and mnemonics.
    if (IsKeyboardMessage(msg.message)) {
        if (MoveInRadioGroup(msg)) return;
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && dynamic_cast<TForm*>(win::ControlOf(root)) &&
            (MoveInTabOrder(msg, root) || IsDialogMessageA(root, &msg)))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void TApplication::HandleMessage() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return;
    }
    Dispatch(&msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(&msg);
    }
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error) { ShowException(error.what()); }

void TApplication::ShowException(const std::string& message) {
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
    platform::Ui().messageBox(text, title_, platform::mb::Ok | platform::mb::IconStop);
}

bool TApplication::HelpContext(int32_t context) {
    if (HelpFile.empty()) return false;
    return platform::Ui().winHelp(HelpFile, platform::help::Context, "", static_cast<uint32_t>(context));
}

namespace {

struct DisableContext {
    HWND except;
    std::vector<WindowHandle>* disabled;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM context) {
    auto* c = reinterpret_cast<DisableContext*>(context);
    if (window != c->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        c->disabled->push_back(window);
    }
    return TRUE;
}

}  // namespace

TaskWindows::TaskWindows(WindowHandle except) {
    DisableContext context{win::Hwnd(except), &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&context));
}

void TaskWindows::Restore() {
    for (WindowHandle w : disabled_)
        if (IsWindow(win::Hwnd(w))) EnableWindow(win::Hwnd(w), TRUE);
    disabled_.clear();
}

}  // namespace forms
