#include "forms/Label.h"

#include <windows.h>

#include <iterator>

#include "forms/Properties.h"
#include "forms/Win32Windows.h"
#include "platform/Text.h"

namespace forms {
const rtl::PropertyTable* TLabel::StoredProperties() const {
    using P = rtl::TPersistent;
    static const rtl::PropertyInfo properties[] = {
        rtl::EnumProperty(
            "Alignment", [](const P& o) -> int32_t { return As<TLabel>(o).alignment_; },
            [](P& o, int32_t v) { As<TLabel>(o).alignment_ = static_cast<TAlignment>(v); }, &AlignmentIdents,
            taLeftJustify),
        rtl::BooleanProperty(
            "AutoSize", [](const P& o) -> int32_t { return As<TLabel>(o).autoSize_; },
            [](P& o, int32_t v) { As<TLabel>(o).autoSize_ = v != 0; }, true),
        CaptionProperty(),
        rtl::EnumProperty(
            "Layout", [](const P& o) -> int32_t { return As<TLabel>(o).layout_; },
            [](P& o, int32_t v) { As<TLabel>(o).layout_ = static_cast<TTextLayout>(v); }, &TextLayoutIdents, tlTop),
        OnClickProperty(),
        rtl::BooleanProperty(
            "ShowAccelChar", [](const P& o) -> int32_t { return As<TLabel>(o).showAccelChar_; },
            [](P& o, int32_t v) { As<TLabel>(o).showAccelChar_ = v != 0; }, true),
        rtl::BooleanProperty(
            "Transparent", [](const P& o) -> int32_t { return As<TLabel>(o).transparent_; },
            [](P& o, int32_t v) { As<TLabel>(o).transparent_ = v != 0; }, false),
        rtl::BooleanProperty(
            "WordWrap", [](const P& o) -> int32_t { return As<TLabel>(o).wordWrap_; },
            [](P& o, int32_t v) { As<TLabel>(o).wordWrap_ = v != 0; }, false),
    };
    static const rtl::PropertyTable table = {TControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

namespace {

// The caption holds ANSI bytes of the system's code page. Drawn with the ANSI function they would
// be read in the font's character set, ANSI's (1252) for the wizard's Tahoma, and a Russian or
// Japanese folder would show as other letters; the wide text shows what was typed.
int DrawCaption(HDC dc, const std::string& caption, RECT* r, UINT flags) {
    const std::wstring text = platform::ToWide(caption);
    return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), r, flags);
}

}  // namespace

uint32_t TLabel::DrawFlags() const {
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | alignments[alignment_];
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::AdjustSize() {
    if (!autoSize_ || !HandleAllocated()) return;
    RECT r = {0, 0, wordWrap_ ? width_ : 0, 0};
    {
        win::WindowDc dc(win::Hwnd(Handle()));
        win::SelectedObject font(dc.Get(), static_cast<HFONT>(EffectiveFont().Handle()));
        std::string text = caption_.empty() ? std::string(" ") : caption_;  // an empty label keeps a line's height
        DrawCaption(dc.Get(), text, &r, DrawFlags() | DT_CALCRECT);
    }
    SetBounds(left_, top_, wordWrap_ ? width_ : r.right, r.bottom);
}

void TLabel::Paint() {
    HWND window = win::Hwnd(Handle());
    win::PaintDc paint(window);
    HDC dc = paint.Get();
    RECT client;
    GetClientRect(window, &client);
    // Transparent or not, the parent's background is what lies behind: a solid colour here.
    FillRect(dc, &client, win::BrushOf(transparent_ || parentColor_ ? EffectiveColor() : color_));
    win::SelectedObject font(dc, static_cast<HFONT>(EffectiveFont().Handle()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, win::ToRgb(EffectiveFont().Color()));
    RECT text = client;
    if (layout_ != tlTop) {
        RECT measure = client;
        DrawCaption(dc, caption_, &measure, DrawFlags() | DT_CALCRECT);
        int32_t spare = (client.bottom - client.top) - (measure.bottom - measure.top);
        text.top += layout_ == tlCenter ? spare / 2 : spare;
    }
    DrawCaption(dc, caption_, &text, DrawFlags());
}

intptr_t TLabel::WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
        case WM_SETTEXT:
            // The caption is drawn from the control; the window keeps a copy for readers of it.
            InvalidateRect(win::Hwnd(Handle()), nullptr, TRUE);
            break;
        case WM_LBUTTONUP: Click(); return 0;
        default: break;
    }
    return TControl::WndProc(message, wParam, lParam);
}

}  // namespace forms
