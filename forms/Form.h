#pragma once
// A top-level window built from its form description: the RCDATA resource named after its class,
// read with the toolkit's classes, its controls bound to the members of the derived class and its
// events to that class's handlers. Shown plainly or modally; closed through its close query.
#include <string>

#include "forms/Published.h"
#include "forms/WinControl.h"

namespace forms {

class TButton;
class TTimer;

class TForm : public TWinControl {
public:
    explicit TForm(rtl::TComponent* owner);
    ~TForm() override;
    const rtl::PropertyTable* StoredProperties() const override;
    bool AcceptsControls() const override { return true; }

    void Show();
    void Hide();
    // Shows the form over the program's other windows, which take no input meanwhile, and runs
    // messages until a modal result is set and the close query allows it; then hides it.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    // A modal form's loop sees the result at its next message: one is posted to wake it.
    void SetModalResult(TModalResult result);
    // A modal form ends with mrCancel; any other closes when its close query allows it, and the
    // main form's closing ends the program.
    void Close();
    bool CloseQuery();

    TWindowState WindowState() const { return windowState_; }
    int32_t ClientWidth() const;
    int32_t ClientHeight() const;
    TWinControl* ActiveControl() const { return activeControl_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseQueryEvent OnCloseQuery;

    // The handler published under that name; nullptr when there is none.
    const PublishedHandler* FindHandler(const std::string& name) const;

    // The keyboard focus came to a control of the form: the focused push button, or else the
    // default button, answers Enter.
    void FocusChanged(TWinControl* control);
    // Gives the focus back to the control that had it last (after a speed button's click).
    void ReturnFocus();
    // Esc: the cancel button, when it can take input.
    void CancelPressed();

    intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void CreateHandle() override;
    void CreateWindowHandle() override;

protected:
    // Reads the description, binds the published members, makes the windows, runs OnCreate.
    // Called by the constructor of the derived class, whose tables are then in place.
    void Load();
    virtual const PublishedTable& Published() const;
    void FillCreateParams(CreateParams& params) const override;

private:
    void BindFields();
    void RestoreFocus();
    void SetDefaultButton(TButton* button);
    TTimer* TimerOfId(uintptr_t id) const;

    TFormBorderStyle borderStyle_ = bsSizeable;
    int32_t borderIcons_ = (1 << biSystemMenu) | (1 << biMinimize) | (1 << biMaximize);
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    int32_t clientWidth_ = -1, clientHeight_ = -1;
    TWinControl* activeControl_ = nullptr;
    TButton* defaultButton_ = nullptr;      // the push button that answers Enter now
    TWinControl* lastFocused_ = nullptr;
    WindowHandle savedFocus_ = nullptr;     // the focused control while another window is active
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
};

// Binds an event of a control to the notify handler that root publishes under name.
bool BindNotifyEvent(TNotifyEvent& event, rtl::TComponent& root, const std::string& name);

}  // namespace forms
