#include "forms/Buttons.h"

#include <windows.h>

#include <iterator>

#include "forms/Form.h"
#include "forms/Properties.h"
#include "forms/Win32Windows.h"

namespace forms {
namespace {

void TellFormOfFocus(TWinControl& control) {
    if (TForm* form = control.ParentForm()) form->FocusChanged(&control);
}

}  // namespace

// Push button

TButton::TButton(rtl::TComponent* owner) : TWinControl(owner) { tabStop_ = true; }

const rtl::PropertyTable* TButton::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::BooleanProperty(
            "Cancel", [](const rtl::TPersistent& o) -> int32_t { return As<TButton>(o).cancel_; },
            [](rtl::TPersistent& o, int32_t v) { As<TButton>(o).cancel_ = v != 0; }, false),
        CaptionProperty(),
        rtl::BooleanProperty(
            "Default", [](const rtl::TPersistent& o) -> int32_t { return As<TButton>(o).default_; },
            [](rtl::TPersistent& o, int32_t v) { As<TButton>(o).default_ = v != 0; }, false),
        rtl::IntegerProperty(
            "ModalResult", [](const rtl::TPersistent& o) { return As<TButton>(o).modalResult_; },
            [](rtl::TPersistent& o, int32_t v) { As<TButton>(o).modalResult_ = v; }, mrNone),
        OnClickProperty(),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TButton::FillCreateParams(CreateParams& params) const {
    TWinControl::FillCreateParams(params);
    params.windowClass = "BUTTON";
    params.style |= (active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY;
}

void TButton::SetActive(bool active) {
    active_ = active;
    if (!HandleAllocated()) return;
    // The window's own style is what counts: the platform may have changed it.
    HWND window = win::Hwnd(Handle());
    const bool shown = (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (shown != active) SendMessageA(window, BM_SETSTYLE, (active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::Notify(uint16_t code) {
    if (code == BN_CLICKED) Click();
    if (code == BN_SETFOCUS) TellFormOfFocus(*this);
}

// Speed button

const rtl::PropertyTable* TSpeedButton::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        CaptionProperty(),
        rtl::BooleanProperty(
            "Flat", [](const rtl::TPersistent& o) -> int32_t { return As<TSpeedButton>(o).flat_; },
            [](rtl::TPersistent& o, int32_t v) { As<TSpeedButton>(o).flat_ = v != 0; }, false),
        OnClickProperty(),
    };
    static const rtl::PropertyTable table = {TControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TSpeedButton::FillCreateParams(CreateParams& params) const {
    TControl::FillCreateParams(params);
    params.windowClass = "BUTTON";
    params.style |= BS_PUSHBUTTON | (flat_ ? BS_FLAT : 0);
}

void TSpeedButton::Notify(uint16_t code) {
    if (code != BN_CLICKED) return;
    // The platform's button took the focus to be clicked; a speed button never keeps it.
    if (TForm* form = ParentForm()) form->ReturnFocus();
    Click();
}

// Radio button

const rtl::PropertyTable* TRadioButton::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        CaptionProperty(),
        rtl::BooleanProperty(
            "Checked", [](const rtl::TPersistent& o) -> int32_t { return As<TRadioButton>(o).checked_; },
            [](rtl::TPersistent& o, int32_t v) { As<TRadioButton>(o).SetChecked(v != 0); }, false),
        OnClickProperty(),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TRadioButton::FillCreateParams(CreateParams& params) const {
    TWinControl::FillCreateParams(params);
    params.windowClass = "BUTTON";
    params.style |= BS_RADIOBUTTON | BS_NOTIFY;
}

void TRadioButton::HandleCreated() { SendMessageA(win::Hwnd(Handle()), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TRadioButton::SetChecked(bool checked) {
    checked_ = checked;
    SetTabStop(checked);
    if (HandleAllocated()) SendMessageA(win::Hwnd(Handle()), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked || !Parent()) return;
    for (TControl* sibling : Parent()->Controls())
        if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this && radio->checked_)
            radio->SetChecked(false);
}

void TRadioButton::Notify(uint16_t code) {
    // The platform reports a click also when the arrow keys bring the focus to the button.
    if (code == BN_CLICKED && !checked_ && Enabled()) {
        SetChecked(true);
        Click();
    }
    if (code == BN_SETFOCUS) TellFormOfFocus(*this);
}

// Check box

TCheckBox::TCheckBox(rtl::TComponent* owner) : TWinControl(owner) { tabStop_ = true; }

const rtl::PropertyTable* TCheckBox::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::BooleanProperty(
            "AllowGrayed", [](const rtl::TPersistent& o) -> int32_t { return As<TCheckBox>(o).allowGrayed_; },
            [](rtl::TPersistent& o, int32_t v) { As<TCheckBox>(o).allowGrayed_ = v != 0; }, false),
        CaptionProperty(),
        rtl::BooleanProperty(
            "Checked", [](const rtl::TPersistent& o) -> int32_t { return As<TCheckBox>(o).Checked(); },
            [](rtl::TPersistent& o, int32_t v) { As<TCheckBox>(o).SetState(v ? cbChecked : cbUnchecked); }, false),
        rtl::EnumProperty(
            "State", [](const rtl::TPersistent& o) -> int32_t { return As<TCheckBox>(o).state_; },
            [](rtl::TPersistent& o, int32_t v) { As<TCheckBox>(o).SetState(static_cast<TCheckBoxState>(v)); },
            &CheckBoxStateIdents, cbUnchecked),
        OnClickProperty(),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TCheckBox::FillCreateParams(CreateParams& params) const {
    TWinControl::FillCreateParams(params);
    params.windowClass = "BUTTON";
    params.style |= (allowGrayed_ ? BS_3STATE : BS_CHECKBOX) | BS_NOTIFY;
}

void TCheckBox::HandleCreated() {
    static const WPARAM marks[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    SendMessageA(win::Hwnd(Handle()), BM_SETCHECK, marks[state_], 0);
}

void TCheckBox::SetState(TCheckBoxState state) {
    state_ = state;
    if (HandleAllocated()) HandleCreated();
}

void TCheckBox::Notify(uint16_t code) {
    if (code == BN_CLICKED) {
        // Unchecked, checked, then grayed where allowed, and round again.
        if (state_ == cbUnchecked) SetState(cbChecked);
        else if (state_ == cbChecked && allowGrayed_) SetState(cbGrayed);
        else SetState(cbUnchecked);
        Click();
    }
    if (code == BN_SETFOCUS) TellFormOfFocus(*this);
}

}  // namespace forms
