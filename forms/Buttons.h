#pragma once
// Buttons: the push button (default and cancel roles, modal result), the flat speed button that
// never takes the focus, the radio button (one checked per container) and the three-state check box.
#include "forms/WinControl.h"

namespace forms {

class TButton : public TWinControl {
public:
    explicit TButton(rtl::TComponent* owner);
    const char* ClassName() const override { return "TButton"; }
    const rtl::PropertyTable* StoredProperties() const override;

    bool Default() const { return default_; }
    bool Cancel() const { return cancel_; }
    TModalResult ModalResult() const { return modalResult_; }
    // Shown and answering Enter as the form's default button (the form decides which one).
    void SetActive(bool active);
    // Gives the form its modal result, then fires OnClick.
    void Click() override;
    void Notify(uint16_t code) override;

protected:
    void FillCreateParams(CreateParams& params) const override;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
};

class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(rtl::TComponent* owner) : TControl(owner) {}
    const char* ClassName() const override { return "TSpeedButton"; }
    const rtl::PropertyTable* StoredProperties() const override;
    // Its accelerator clicks it; the focus goes back to where it was before.
    void Notify(uint16_t code) override;

protected:
    void FillCreateParams(CreateParams& params) const override;

private:
    bool flat_ = false;
};

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(rtl::TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TRadioButton"; }
    const rtl::PropertyTable* StoredProperties() const override;

    bool Checked() const { return checked_; }
    // Checking one unchecks the other radio buttons of its container; only the checked one is a
    // tab stop. Does not fire OnClick: that is for the user's choice.
    void SetChecked(bool checked);
    void Notify(uint16_t code) override;

protected:
    void FillCreateParams(CreateParams& params) const override;
    void HandleCreated() override;

private:
    bool checked_ = false;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(rtl::TComponent* owner);
    const char* ClassName() const override { return "TCheckBox"; }
    const rtl::PropertyTable* StoredProperties() const override;

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void Notify(uint16_t code) override;

protected:
    void FillCreateParams(CreateParams& params) const override;
    void HandleCreated() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

}  // namespace forms
