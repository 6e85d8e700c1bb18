#pragma once
// Text boxes: the one-line edit and the multi-line memo, both optionally read-only.
#include <string>
#include <vector>

#include "forms/WinControl.h"
#include "rtl/StringList.h"
#include "rtl/StringListProperties.h"

namespace forms {

class TEdit : public TWinControl {
public:
    explicit TEdit(rtl::TComponent* owner);
    const char* ClassName() const override { return "TEdit"; }
    const rtl::PropertyTable* StoredProperties() const override;

    // What the box holds now, typed or set.
    std::string Caption() const override;
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Selects length characters from start (both in characters; a start past the end selects nothing
    // and puts the caret at the end).
    void SetSelection(int32_t start, int32_t length);
    void Notify(uint16_t code) override;

protected:
    void FillCreateParams(CreateParams& params) const override;
    void HandleCreated() override;

    bool readOnly_ = false;
};

class TMemo : public TEdit {
public:
    explicit TMemo(rtl::TComponent* owner);
    const char* ClassName() const override { return "TMemo"; }
    const rtl::PropertyTable* StoredProperties() const override;

    // The lines shown, without their line ends.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);

protected:
    void FillCreateParams(CreateParams& params) const override;

private:
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    rtl::TStringList designLines_;             // the lines a description gives
    rtl::TStringListProperties linesProperties_;
};

}  // namespace forms
