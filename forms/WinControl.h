#pragma once
// Controls that can take the keyboard focus, with their place in the tab order; and containers
// (forms, panels, notebooks and their pages), which hold controls, align them and pass the
// notifications of their standard controls on to them.
#include <vector>

#include "forms/Control.h"

namespace forms {

class TWinControl : public TControl {
public:
    explicit TWinControl(rtl::TComponent* owner);
    ~TWinControl() override;

    const rtl::PropertyTable* StoredProperties() const override;

    int32_t TabOrder() const { return tabOrder_; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    bool Focused() const;
    // Gives the control the keyboard focus (it must be showing and enabled).
    void SetFocus();
    bool CanFocus() const;

    // Containers accept child controls.
    virtual bool AcceptsControls() const { return false; }
    const std::vector<TControl*>& Controls() const { return controls_; }
    // Places the aligned children: top, bottom, left and right edges in turn, then the client.
    void AlignControls();

    void CreateHandle() override;
    intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

protected:
    void FillCreateParams(CreateParams& params) const override;
    void Resized() override { AlignControls(); }
    // Whether a child takes its share of the space: a hidden control leaves its place to others.
    virtual bool TakesPartInAlignment(const TControl& child) const { return child.Visible(); }
    // The area that aligned children share, inside the border.
    int32_t borderWidth_ = 0;
    int32_t tabOrder_ = -1;
    bool tabStop_ = false;

private:
    friend class TControl;
    void InsertControl(TControl* control) { controls_.push_back(control); }
    void RemoveControl(TControl* control);
    // Child windows in tab order first, so that the platform's dialog keys follow it.
    void OrderChildWindows();

    std::vector<TControl*> controls_;  // in the order the description lists them
};

}  // namespace forms
