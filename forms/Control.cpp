#include "forms/Control.h"

#include <windows.h>

#include <iterator>

#include "forms/Consts.h"
#include "forms/Form.h"
#include "forms/Properties.h"
#include "forms/Win32Windows.h"
#include "forms/WinControl.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace forms {
namespace {

int32_t NextControlId() {
    static int32_t next = 1000;  // clear of IDOK, IDCANCEL and the other dialog command codes
    return next++;
}

}  // namespace

void AttachWindow(TControl& control, WindowHandle window) {
    control.handle_ = window;
    win::Attach(win::Hwnd(window), &control);
}

TControl::TControl(rtl::TComponent* owner) : rtl::TComponent(owner), id_(NextControlId()) {
    // A font given in the description is the control's own from then on.
    font_.OnChange = [this] {
        parentFont_ = false;
        if (HandleAllocated()) {
            SendMessageA(win::Hwnd(handle_), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
            InvalidateRect(win::Hwnd(handle_), nullptr, TRUE);
            AdjustSize();
        }
    };
}

TControl::~TControl() {
    DestroyHandle();
    SetParent(nullptr);
}

const rtl::PropertyTable* TControl::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::EnumProperty(
            "Align", [](const rtl::TPersistent& o) -> int32_t { return As<TControl>(o).align_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).align_ = static_cast<TAlign>(v); }, &AlignIdents, alNone),
        rtl::IntegerProperty(
            "Color", [](const rtl::TPersistent& o) { return As<TControl>(o).color_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).SetColor(v); }, clBtnFace, &ColorIdents),
        rtl::BooleanProperty(
            "Enabled", [](const rtl::TPersistent& o) -> int32_t { return As<TControl>(o).enabled_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).SetEnabled(v != 0); }, true),
        rtl::ObjectProperty("Font", [](rtl::TPersistent& o) -> rtl::TPersistent* { return &As<TControl>(o).font_; }),
        rtl::IntegerProperty(
            "Height", [](const rtl::TPersistent& o) { return As<TControl>(o).height_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).height_ = v; }),
        rtl::IntegerProperty(
            "Left", [](const rtl::TPersistent& o) { return As<TControl>(o).left_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).left_ = v; }),
        rtl::BooleanProperty(
            "ParentColor", [](const rtl::TPersistent& o) -> int32_t { return As<TControl>(o).parentColor_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).parentColor_ = v != 0; }, false),
        rtl::BooleanProperty(
            "ParentFont", [](const rtl::TPersistent& o) -> int32_t { return As<TControl>(o).parentFont_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).parentFont_ = v != 0; }, true),
        rtl::IntegerProperty(
            "Top", [](const rtl::TPersistent& o) { return As<TControl>(o).top_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).top_ = v; }),
        rtl::BooleanProperty(
            "Visible", [](const rtl::TPersistent& o) -> int32_t { return As<TControl>(o).visible_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).SetVisible(v != 0); }, true),
        rtl::IntegerProperty(
            "Width", [](const rtl::TPersistent& o) { return As<TControl>(o).width_; },
            [](rtl::TPersistent& o, int32_t v) { As<TControl>(o).width_ = v; }),
    };
    static const rtl::PropertyTable table = {rtl::TComponent::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TControl::SetParentComponent(rtl::TComponent* parent) {
    auto* container = dynamic_cast<TWinControl*>(parent);
    if (!container || !container->AcceptsControls())
        throw rtl::EComponentError(rtl::Format(consts::SNotAContainer, Name(), parent ? parent->Name() : ""));
    SetParent(container);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) parent_->InsertControl(this);
}

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    bool resized = width != width_ || height != height_;
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (HandleAllocated() && parent_)
        MoveWindow(win::Hwnd(handle_), left, top, width, height, TRUE);
    if (resized && HandleAllocated()) Resized();
}

void TControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (HandleAllocated()) {
        SetWindowTextA(win::Hwnd(handle_), caption.c_str());
        AdjustSize();
    }
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (HandleAllocated()) ShowWindow(win::Hwnd(handle_), visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && align_ != alNone) parent_->AlignControls();
}

bool TControl::Showing() const {
    return HandleAllocated() && IsWindowVisible(win::Hwnd(handle_));
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (HandleAllocated()) EnableWindow(win::Hwnd(handle_), enabled);
}

const TFont& TControl::EffectiveFont() const {
    return parentFont_ && parent_ ? parent_->EffectiveFont() : font_;
}

TColor TControl::EffectiveColor() const {
    return parentColor_ && parent_ ? parent_->EffectiveColor() : color_;
}

void TControl::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    if (HandleAllocated()) InvalidateRect(win::Hwnd(handle_), nullptr, TRUE);
}

void TControl::FillCreateParams(CreateParams& params) const {
    params.style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
    params.caption = caption_;
}

void TControl::CreateHandle() {
    if (!HandleAllocated()) CreateWindowHandle();
}

void TControl::CreateWindowHandle() {
    CreateParams params;
    FillCreateParams(params);
    const char* windowClass = params.windowClass;
    if (!windowClass) {
        win::RegisterOwnClass(ClassName());
        windowClass = ClassName();
    }
    HWND parentWindow = parent_ ? win::Hwnd(parent_->Handle()) : nullptr;
    HMENU idOrMenu = parent_ ? reinterpret_cast<HMENU>(static_cast<intptr_t>(id_)) : nullptr;
    HWND window = CreateWindowExA(params.exStyle, windowClass, params.caption.c_str(), params.style, left_, top_,
                                  width_, height_, parentWindow, idOrMenu, win::Instance(), this);
    if (!window) throw rtl::EOSError(rtl::Format(consts::SWindowCreateError, ClassName()));
    AttachWindow(*this, window);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(EffectiveFont().Handle()), FALSE);
    HandleCreated();
    AdjustSize();
}

void TControl::DestroyHandle() {
    if (!handle_) return;
    HWND window = win::Hwnd(handle_);
    handle_ = nullptr;
    win::Detach(window);
    DestroyWindow(window);
}

void TControl::Repaint() {
    if (HandleAllocated()) RedrawWindow(win::Hwnd(handle_), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TControl::Click() {
    if (OnClick) OnClick(*this);
}

intptr_t TControl::WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    // The toolkit's own windows draw in the control's font; they tell it as standard controls do.
    if (message == WM_GETFONT) return reinterpret_cast<intptr_t>(EffectiveFont().Handle());
    return DefWindowProcA(win::Hwnd(handle_), message, wParam, lParam);
}

intptr_t TControl::ControlColor(WindowHandle deviceContext) {
    HDC dc = static_cast<HDC>(deviceContext);
    SetTextColor(dc, win::ToRgb(EffectiveFont().Color()));
    SetBkColor(dc, win::ToRgb(EffectiveColor()));
    return reinterpret_cast<intptr_t>(win::BrushOf(EffectiveColor()));
}

}  // namespace forms
