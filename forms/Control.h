#pragma once
// The base of every control: a component with a window of the platform inside its parent, its
// place and size, caption, visibility, enabling, alignment, font and colour. The window is made
// after the form description has been read (CreateHandle) and mirrors every later change.
#include <cstdint>
#include <string>

#include "forms/Font.h"
#include "forms/Types.h"
#include "rtl/Component.h"

namespace forms {

class TWinControl;
class TForm;
class TControl;

// Binds a window of the toolkit to its control as the window is being made.
void AttachWindow(TControl& control, WindowHandle window);

class TControl : public rtl::TComponent {
public:
    explicit TControl(rtl::TComponent* owner);
    ~TControl() override;

    const rtl::PropertyTable* StoredProperties() const override;
    void SetParentComponent(rtl::TComponent* parent) override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    // The form whose client area holds the control (the control itself for a form).
    TForm* ParentForm();

    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

    // The caption, or the text a user typed into an edit.
    virtual std::string Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    // Shown on the screen: visible itself and every parent up to a shown form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TAlign Align() const { return align_; }

    // The font and colour in effect: the parent's while ParentFont / ParentColor hold.
    const TFont& EffectiveFont() const;
    TFont& Font() { return font_; }
    TColor EffectiveColor() const;
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    WindowHandle Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Makes the control's window (and, for containers, those of its children).
    virtual void CreateHandle();
    // Makes the control's own window only.
    virtual void CreateWindowHandle();
    // Carries out the window's pending painting now.
    void Repaint();

    TNotifyEvent OnClick;
    // Fires OnClick.
    virtual void Click();

    // Messages of the toolkit's own window classes; the default goes to the platform.
    virtual intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
    // A notification (WM_COMMAND code) from the control's standard window, through its parent.
    virtual void Notify(uint16_t code) {}
    // Paints text and background of a standard control: sets the colours on the device context
    // and gives the background brush (WM_CTLCOLOR*).
    virtual intptr_t ControlColor(WindowHandle deviceContext);

protected:
    struct CreateParams {
        const char* windowClass = nullptr;  // nullptr: the toolkit's own class named ClassName()
        uint32_t style = 0;
        uint32_t exStyle = 0;
        std::string caption;
    };
    virtual void FillCreateParams(CreateParams& params) const;
    // Puts state that has no window style into the new window (check marks, limits, lines).
    virtual void HandleCreated() {}
    // The control changed size (its window already has the new one).
    virtual void Resized() {}
    // Text and font changed: a self-sizing control adapts.
    virtual void AdjustSize() {}
    void DestroyHandle();
    int32_t ControlId() const { return id_; }

    std::string caption_;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;

private:
    friend class TWinControl;
    friend void AttachWindow(TControl& control, WindowHandle window);
    TWinControl* parent_ = nullptr;
    WindowHandle handle_ = nullptr;
    int32_t id_;
};

}  // namespace forms
