#include "forms/Form.h"

#include <windows.h>

#include <iterator>

#include "forms/Application.h"
#include "forms/Buttons.h"
#include "forms/Consts.h"
#include "forms/Properties.h"
#include "forms/Timer.h"
#include "forms/ToolkitClasses.h"
#include "forms/Win32Windows.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streaming.h"

namespace forms {
namespace {

bool BindCloseQuery(TCloseQueryEvent& event, rtl::TComponent& root, const std::string& name) {
    auto* form = dynamic_cast<TForm*>(&root);
    const PublishedHandler* handler = form ? form->FindHandler(name) : nullptr;
    if (!handler || !handler->closeQuery) return false;
    auto call = handler->closeQuery;
    event = [form, call](rtl::TComponent& sender, bool& canClose) { call(*form, sender, canClose); };
    return true;
}

}  // namespace

bool BindNotifyEvent(TNotifyEvent& event, rtl::TComponent& root, const std::string& name) {
    auto* form = dynamic_cast<TForm*>(&root);
    const PublishedHandler* handler = form ? form->FindHandler(name) : nullptr;
    if (!handler || !handler->notify) return false;
    auto call = handler->notify;
    event = [form, call](rtl::TComponent& sender) { call(*form, sender); };
    return true;
}

TForm::TForm(rtl::TComponent* owner) : TWinControl(owner) {
    visible_ = false;  // a form shows when asked to
    font_.OnChange = nullptr;
}

TForm::~TForm() {
    // The controls go first, while the form's window still holds theirs.
    DestroyComponents();
    DestroyHandle();
}

const rtl::PropertyTable* TForm::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::ReferenceProperty("ActiveControl",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   As<TForm>(o).activeControl_ = dynamic_cast<TWinControl*>(root.FindComponent(name));
                                   return As<TForm>(o).activeControl_ != nullptr;
                               }),
        rtl::SetProperty(
            "BorderIcons", [](const rtl::TPersistent& o) { return As<TForm>(o).borderIcons_; },
            [](rtl::TPersistent& o, int32_t v) { As<TForm>(o).borderIcons_ = v; }, &BorderIconIdents,
            (1 << biSystemMenu) | (1 << biMinimize) | (1 << biMaximize)),
        rtl::EnumProperty(
            "BorderStyle", [](const rtl::TPersistent& o) -> int32_t { return As<TForm>(o).borderStyle_; },
            [](rtl::TPersistent& o, int32_t v) { As<TForm>(o).borderStyle_ = static_cast<TFormBorderStyle>(v); },
            &FormBorderStyleIdents, bsSizeable),
        CaptionProperty(),
        rtl::IntegerProperty(
            "ClientHeight", [](const rtl::TPersistent& o) { return As<TForm>(o).clientHeight_; },
            [](rtl::TPersistent& o, int32_t v) { As<TForm>(o).clientHeight_ = v; }, -1),
        rtl::IntegerProperty(
            "ClientWidth", [](const rtl::TPersistent& o) { return As<TForm>(o).clientWidth_; },
            [](rtl::TPersistent& o, int32_t v) { As<TForm>(o).clientWidth_ = v; }, -1),
        rtl::ReferenceProperty("OnCloseQuery",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   return BindCloseQuery(As<TForm>(o).OnCloseQuery, root, name);
                               }),
        rtl::ReferenceProperty("OnCreate",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   return BindNotifyEvent(As<TForm>(o).OnCreate, root, name);
                               }),
        rtl::ReferenceProperty("OnShow",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   return BindNotifyEvent(As<TForm>(o).OnShow, root, name);
                               }),
        rtl::EnumProperty(
            "Position", [](const rtl::TPersistent& o) -> int32_t { return As<TForm>(o).position_; },
            [](rtl::TPersistent& o, int32_t v) { As<TForm>(o).position_ = static_cast<TPosition>(v); }, &PositionIdents,
            poDesigned),
        rtl::EnumProperty(
            "WindowState", [](const rtl::TPersistent& o) -> int32_t { return As<TForm>(o).windowState_; },
            [](rtl::TPersistent& o, int32_t v) { As<TForm>(o).windowState_ = static_cast<TWindowState>(v); },
            &WindowStateIdents, wsNormal),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

const PublishedTable& TForm::Published() const {
    static const PublishedTable none = {nullptr, 0, nullptr, 0};
    return none;
}

const PublishedHandler* TForm::FindHandler(const std::string& name) const {
    const PublishedTable& table = Published();
    for (size_t i = 0; i < table.handlerCount; ++i)
        if (rtl::SameAsciiName(table.handlers[i].name, name)) return &table.handlers[i];
    return nullptr;
}

void TForm::Load() {
    rtl::ReadComponentResource(rtl::UpperAscii(ClassName()), *this, &ToolkitClasses());
    BindFields();
    CreateHandle();
    if (OnCreate) OnCreate(*this);
}

void TForm::BindFields() {
    const PublishedTable& table = Published();
    for (size_t i = 0; i < table.fieldCount; ++i)
        if (!table.fields[i].bind(*this, FindComponent(table.fields[i].name)))
            throw rtl::EComponentError(rtl::Format(consts::SMissingControl, ClassName(), table.fields[i].name));
}

void TForm::FillCreateParams(CreateParams& params) const {
    params.caption = caption_;
    params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.exStyle = WS_EX_CONTROLPARENT;
    bool systemMenu = borderIcons_ & (1 << biSystemMenu);
    switch (borderStyle_) {
        case bsNone: params.style |= WS_POPUP; return;
        case bsDialog:
            params.style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
            params.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case bsSizeable:
        case bsSizeToolWin: params.style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
        default: params.style |= WS_OVERLAPPED | WS_CAPTION | WS_BORDER; break;
    }
    if (systemMenu) params.style |= WS_SYSMENU;
    if (borderStyle_ != bsDialog && systemMenu) {
        if (borderIcons_ & (1 << biMinimize)) params.style |= WS_MINIMIZEBOX;
        if (borderIcons_ & (1 << biMaximize)) params.style |= WS_MAXIMIZEBOX;
    }
}

void TForm::CreateHandle() {
    if (HandleAllocated()) return;
    TWinControl::CreateHandle();
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* timer = dynamic_cast<TTimer*>(Components(i))) timer->Update();
    SetDefaultButton(nullptr);
}

void TForm::CreateWindowHandle() {
    CreateParams params;
    FillCreateParams(params);
    if (clientWidth_ >= 0 && clientHeight_ >= 0) {
        RECT r = {0, 0, clientWidth_, clientHeight_};
        AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
    }
    if (position_ == poScreenCenter) {
        left_ = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
        top_ = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
    }
    win::RegisterOwnClass(ClassName());
    HWND owner = Application ? win::Hwnd(Application->Handle()) : nullptr;
    HWND window = CreateWindowExA(params.exStyle, ClassName(), params.caption.c_str(), params.style, left_, top_, width_,
                                  height_, owner, nullptr, win::Instance(), this);
    if (!window) throw rtl::EOSError(rtl::Format(consts::SWindowCreateError, ClassName()));
    AttachWindow(*this, window);
}

int32_t TForm::ClientWidth() const {
    RECT r{};
    if (HandleAllocated()) GetClientRect(win::Hwnd(Handle()), &r);
    return r.right;
}

int32_t TForm::ClientHeight() const {
    RECT r{};
    if (HandleAllocated()) GetClientRect(win::Hwnd(Handle()), &r);
    return r.bottom;
}

void TForm::Show() {
    CreateHandle();
    if (OnShow) OnShow(*this);
    visible_ = true;
    static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(win::Hwnd(Handle()), commands[windowState_]);
    SetForegroundWindow(win::Hwnd(Handle()));
}

void TForm::Hide() {
    visible_ = false;
    if (HandleAllocated()) ShowWindow(win::Hwnd(Handle()), SW_HIDE);
}

TModalResult TForm::ShowModal() {
    if (visible_ || modal_) throw rtl::EComponentError(consts::SVisibleChangeModal);
    HWND previous = GetActiveWindow();
    TaskWindows disabled(Handle());
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        while (!Application->Terminated()) {
            Application->HandleMessage();
            if (modalResult_ != mrNone) {
                if (CloseQuery()) break;
                modalResult_ = mrNone;
            }
        }
        if (Application->Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
    } catch (...) {
        modal_ = false;
        throw;
    }
    modal_ = false;
    disabled.Restore();  // before hiding, so that the platform activates no other program
    Hide();
    if (previous) SetActiveWindow(previous);
    return modalResult_;
}

void TForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (modal_ && HandleAllocated()) PostMessageA(win::Hwnd(Handle()), WM_NULL, 0, 0);
}

void TForm::Close() {
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(*this, canClose);
    return canClose;
}

void TForm::FocusChanged(TWinControl* control) {
    lastFocused_ = control;
    SetDefaultButton(dynamic_cast<TButton*>(control));
}

void TForm::ReturnFocus() {
    if (lastFocused_ && lastFocused_->CanFocus()) lastFocused_->SetFocus();
}

void TForm::SetDefaultButton(TButton* focusedButton) {
    TButton* target = focusedButton;
    for (int i = 0; i < ComponentCount() && !target; ++i)
        if (auto* b = dynamic_cast<TButton*>(Components(i)); b && b->Default()) target = b;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TButton*>(Components(i))) b->SetActive(b == target);
    defaultButton_ = target;
}

void TForm::CancelPressed() {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TButton*>(Components(i)); b && b->Cancel() && b->CanFocus()) {
            b->Click();
            return;
        }
}

TTimer* TForm::TimerOfId(uintptr_t id) const {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* t = dynamic_cast<TTimer*>(Components(i)); t && t->Id() == id) return t;
    return nullptr;
}

void TForm::RestoreFocus() {
    HWND window = win::Hwnd(Handle());
    HWND target = static_cast<HWND>(savedFocus_);
    auto usable = [window](HWND w) { return w && IsChild(window, w) && IsWindowVisible(w) && IsWindowEnabled(w); };
    if (!usable(target) && activeControl_) target = win::Hwnd(activeControl_->Handle());
    if (!usable(target)) target = GetNextDlgTabItem(window, nullptr, FALSE);
    ::SetFocus(usable(target) ? target : window);
}

intptr_t TForm::WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    HWND window = win::Hwnd(Handle());
    switch (message) {
        case WM_CLOSE:
            // A modal form without a system menu has no close box: only its buttons close it.
            if (modal_ && !(borderIcons_ & (1 << biSystemMenu))) return 0;
            Close();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) savedFocus_ = focus;
            } else if (!HIWORD(wParam)) {
                RestoreFocus();
            }
            return 0;
        case WM_SETFOCUS: RestoreFocus(); return 0;
        case WM_TIMER:
            if (TTimer* timer = TimerOfId(wParam)) timer->Tick();
            return 0;
        case DM_GETDEFID:
            if (defaultButton_ && defaultButton_->HandleAllocated())
                return MAKELONG(GetDlgCtrlID(win::Hwnd(defaultButton_->Handle())), DC_HASDEFID);
            return 0;
        case WM_NEXTDLGCTL: {
            HWND target = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
            if (target) {
                ::SetFocus(target);
                // As in a dialog box: an edit reached by the keyboard has its text selected.
                if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(target, EM_SETSEL, 0, -1);
            }
            return 0;
        }
        case WM_COMMAND:
            if (!lParam || !win::ControlOf(reinterpret_cast<HWND>(lParam))) {
                if (LOWORD(wParam) == IDCANCEL) CancelPressed();
                return 0;
            }
            break;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                RECT r;
                GetWindowRect(window, &r);
                width_ = r.right - r.left;
                height_ = r.bottom - r.top;
            }
            break;
        default: break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace forms
