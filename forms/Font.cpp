#include "forms/Font.h"

#include <windows.h>

#include <iterator>

namespace forms {

TFont::~TFont() {
    RetireHandle();
    for (WindowHandle font : retired_) DeleteObject(static_cast<HFONT>(font));
}

template <int32_t TFont::*Field>
int32_t TFont::GetField(const rtl::TPersistent& o) { return static_cast<const TFont&>(o).*Field; }

template <int32_t TFont::*Field>
void TFont::SetField(rtl::TPersistent& o, int32_t v) {
    auto& font = static_cast<TFont&>(o);
    font.*Field = v;
    font.Changed();
}

const rtl::PropertyTable* TFont::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::IntegerProperty("Charset", GetField<&TFont::charset_>, SetField<&TFont::charset_>, 1, &CharsetIdents),
        rtl::IntegerProperty(
            "Color", GetField<&TFont::color_>, [](rtl::TPersistent& o, int32_t v) { static_cast<TFont&>(o).SetColor(v); },
            clWindowText, &ColorIdents),
        rtl::IntegerProperty("Height", GetField<&TFont::height_>, SetField<&TFont::height_>, -11),
        rtl::StringProperty(
            "Name", [](const rtl::TPersistent& o) { return static_cast<const TFont&>(o).name_; },
            [](rtl::TPersistent& o, const std::string& v) {
                static_cast<TFont&>(o).name_ = v;
                static_cast<TFont&>(o).Changed();
            }),
        rtl::SetProperty("Style", GetField<&TFont::style_>, SetField<&TFont::style_>, &FontStyleIdents, 0),
    };
    static const rtl::PropertyTable table = {nullptr, properties, std::size(properties)};
    return &table;
}

// Drawn with the text colour, not with the font: the platform font stays.
void TFont::SetColor(TColor color) {
    color_ = color;
    if (OnChange) OnChange();
}

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    charset_ = other.charset_;
    style_ = other.style_;
    RetireHandle();
}

void TFont::Changed() {
    RetireHandle();
    if (OnChange) OnChange();
}

void TFont::RetireHandle() {
    if (handle_) retired_.push_back(handle_);
    handle_ = nullptr;
}

WindowHandle TFont::Handle() const {
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & (1 << fsBold)) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & (1 << fsItalic)) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & (1 << fsUnderline)) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & (1 << fsStrikeOut)) ? TRUE : FALSE;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_ = CreateFontIndirectA(&lf);
    }
    return handle_;
}

}  // namespace forms
