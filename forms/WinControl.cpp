#include "forms/WinControl.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "forms/Form.h"
#include "forms/Properties.h"
#include "forms/Win32Windows.h"

namespace forms {
namespace {

// Tab-ordered controls by their tab order, then the others as listed.
bool BeforeInTabOrder(const TControl* a, const TControl* b) {
    auto order = [](const TControl* c) {
        auto* w = dynamic_cast<const TWinControl*>(c);
        return w && w->TabOrder() >= 0 ? w->TabOrder() : INT32_MAX;
    };
    return order(a) < order(b);
}

}  // namespace

TWinControl::TWinControl(rtl::TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children that outlive their container lose it: their windows went with its window.
    for (TControl* c : controls_) c->parent_ = nullptr;
}

const rtl::PropertyTable* TWinControl::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::IntegerProperty(
            "TabOrder", [](const rtl::TPersistent& o) { return As<TWinControl>(o).tabOrder_; },
            [](rtl::TPersistent& o, int32_t v) { As<TWinControl>(o).tabOrder_ = v; }, -1),
        rtl::BooleanProperty(
            "TabStop", [](const rtl::TPersistent& o) -> int32_t { return As<TWinControl>(o).tabStop_; },
            [](rtl::TPersistent& o, int32_t v) { As<TWinControl>(o).SetTabStop(v != 0); }, false),
    };
    static const rtl::PropertyTable table = {TControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (!HandleAllocated()) return;
    HWND window = win::Hwnd(Handle());
    LONG style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

bool TWinControl::Focused() const { return HandleAllocated() && GetFocus() == win::Hwnd(Handle()); }

bool TWinControl::CanFocus() const {
    return HandleAllocated() && IsWindowVisible(win::Hwnd(Handle())) && IsWindowEnabled(win::Hwnd(Handle()));
}

void TWinControl::SetFocus() {
    if (HandleAllocated()) ::SetFocus(win::Hwnd(Handle()));
}

void TWinControl::FillCreateParams(CreateParams& params) const {
    TControl::FillCreateParams(params);
    if (tabStop_) params.style |= WS_TABSTOP;
    // Containers: the dialog keys look for tab stops among their children too.
    if (AcceptsControls()) {
        params.style |= WS_CLIPCHILDREN;
        params.exStyle |= WS_EX_CONTROLPARENT;
    }
}

void TWinControl::CreateHandle() {
    if (HandleAllocated()) return;
    CreateWindowHandle();
    std::vector<TControl*> ordered = controls_;
    std::stable_sort(ordered.begin(), ordered.end(), BeforeInTabOrder);
    for (TControl* c : ordered) c->CreateHandle();
    OrderChildWindows();
    AlignControls();
}

void TWinControl::OrderChildWindows() {
    std::vector<TControl*> ordered = controls_;
    std::stable_sort(ordered.begin(), ordered.end(), BeforeInTabOrder);
    HWND after = HWND_TOP;
    bool previousWasRadio = false;
    for (TControl* c : ordered) {
        HWND window = win::Hwnd(c->Handle());
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        after = window;
        // A run of radio buttons is one group: the arrow keys move within it, and a new group
        // begins with the first control after it.
        bool isRadio = (SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
        if (!(isRadio && previousWasRadio))
            SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_GROUP);
        previousWasRadio = isRadio;
    }
}

void TWinControl::AlignControls() {
    if (!HandleAllocated()) return;
    RECT r;
    GetClientRect(win::Hwnd(Handle()), &r);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != pass || !TakesPartInAlignment(*c)) continue;
            switch (pass) {
                case alTop: c->SetBounds(r.left, r.top, r.right - r.left, c->Height()); r.top += c->Height(); break;
                case alBottom:
                    c->SetBounds(r.left, r.bottom - c->Height(), r.right - r.left, c->Height());
                    r.bottom -= c->Height();
                    break;
                case alLeft: c->SetBounds(r.left, r.top, c->Width(), r.bottom - r.top); r.left += c->Width(); break;
                case alRight:
                    c->SetBounds(r.right - c->Width(), r.top, c->Width(), r.bottom - r.top);
                    r.right -= c->Width();
                    break;
                default: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
            }
        }
    }
}

intptr_t TWinControl::WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    HWND window = win::Hwnd(Handle());
    switch (message) {
        case WM_COMMAND:
            // Notifications of the standard controls inside go to the controls themselves.
            if (TControl* child = lParam ? win::ControlOf(reinterpret_cast<HWND>(lParam)) : nullptr) {
                child->Notify(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            if (TControl* child = win::ControlOf(reinterpret_cast<HWND>(lParam)))
                return child->ControlColor(reinterpret_cast<HDC>(wParam));
            break;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(window, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, win::BrushOf(EffectiveColor()));
            return 1;
        }
        case WM_SIZE: AlignControls(); return 0;
        case WM_CLOSE:
            // An inner container is no window to close (a multi-line edit posts this on Esc).
            if (GetParent(window) && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return 0;
            break;
        case DM_GETDEFID:
        case WM_NEXTDLGCTL:
            // Dialog questions asked of an inner container are the form's to answer.
            if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
                if (TForm* form = ParentForm()) return SendMessageA(win::Hwnd(form->Handle()), message, wParam, lParam);
            break;
        default: break;
    }
    return TControl::WndProc(message, wParam, lParam);
}

}  // namespace forms
