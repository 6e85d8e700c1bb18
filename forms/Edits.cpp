#include "forms/Edits.h"

#include <windows.h>

#include <iterator>

#include "forms/Form.h"
#include "forms/Properties.h"
#include "forms/Win32Windows.h"
#include "rtl/TextLines.h"

namespace forms {
TEdit::TEdit(rtl::TComponent* owner) : TWinControl(owner) {
    tabStop_ = true;
    color_ = clWindow;
}

const rtl::PropertyTable* TEdit::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::BooleanProperty(
            "ReadOnly", [](const rtl::TPersistent& o) -> int32_t { return As<TEdit>(o).readOnly_; },
            [](rtl::TPersistent& o, int32_t v) { As<TEdit>(o).SetReadOnly(v != 0); }, false),
        rtl::StringProperty(
            "Text", [](const rtl::TPersistent& o) { return As<TEdit>(o).Text(); },
            [](rtl::TPersistent& o, const std::string& v) { As<TEdit>(o).SetText(v); }),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TEdit::FillCreateParams(CreateParams& params) const {
    TWinControl::FillCreateParams(params);
    params.windowClass = "EDIT";
    params.style |= ES_LEFT | ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::HandleCreated() { SendMessageA(win::Hwnd(Handle()), EM_SETLIMITTEXT, 0, 0); }  // no limit

std::string TEdit::Caption() const {
    if (!HandleAllocated()) return caption_;
    HWND window = win::Hwnd(Handle());
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (HandleAllocated()) SendMessageA(win::Hwnd(Handle()), EM_SETREADONLY, readOnly, 0);
}

void TEdit::SetSelection(int32_t start, int32_t length) {
    if (HandleAllocated()) SendMessageA(win::Hwnd(Handle()), EM_SETSEL, start, start + length);
}

void TEdit::Notify(uint16_t code) {
    if (code == EN_SETFOCUS)
        if (TForm* form = ParentForm()) form->FocusChanged(this);
}

TMemo::TMemo(rtl::TComponent* owner) : TEdit(owner), linesProperties_(designLines_) {}

const rtl::PropertyTable* TMemo::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::ObjectProperty("Lines",
                            [](rtl::TPersistent& o) -> rtl::TPersistent* { return &As<TMemo>(o).linesProperties_; }),
        rtl::EnumProperty(
            "ScrollBars", [](const rtl::TPersistent& o) -> int32_t { return As<TMemo>(o).scrollBars_; },
            [](rtl::TPersistent& o, int32_t v) { As<TMemo>(o).scrollBars_ = static_cast<TScrollStyle>(v); },
            &ScrollStyleIdents, ssNone),
        rtl::BooleanProperty(
            "WordWrap", [](const rtl::TPersistent& o) -> int32_t { return As<TMemo>(o).wordWrap_; },
            [](rtl::TPersistent& o, int32_t v) { As<TMemo>(o).wordWrap_ = v != 0; }, true),
    };
    static const rtl::PropertyTable table = {TEdit::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TMemo::FillCreateParams(CreateParams& params) const {
    TWinControl::FillCreateParams(params);
    params.windowClass = "EDIT";
    params.caption = rtl::JoinLinesCrLf(designLines_.Lines());
    params.style |= ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (readOnly_ ? ES_READONLY : 0);
    // Without a horizontal scroll bar the lines wrap at the box's edge.
    if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.style |= WS_HSCROLL | ES_AUTOHSCROLL;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

std::vector<std::string> TMemo::Lines() const { return rtl::SplitLines(Text()); }

void TMemo::SetLines(const std::vector<std::string>& lines) {
    designLines_.Assign(lines);
    std::string text = rtl::JoinLinesCrLf(lines);
    if (!text.empty()) text.resize(text.size() - 2);  // no empty line after the last one
    SetText(text);
}

}  // namespace forms
