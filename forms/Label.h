#pragma once
// A text label: word-wrapped or on one line, aligned left, right or centred and to the top,
// middle or bottom, in its font's colour, on its parent's background when transparent, and
// sized to its text when AutoSize holds.
#include "forms/Control.h"

namespace forms {

class TLabel : public TControl {
public:
    explicit TLabel(rtl::TComponent* owner) : TControl(owner) { parentColor_ = true; }
    const char* ClassName() const override { return "TLabel"; }
    const rtl::PropertyTable* StoredProperties() const override;

    intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

protected:
    void AdjustSize() override;

private:
    uint32_t DrawFlags() const;
    void Paint();

    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

}  // namespace forms
