#pragma once
// A control's font as the form description gives it: face name, height in pixels (negative: the
// character height without internal leading), colour, character set and style.
#include <functional>
#include <string>
#include <vector>

#include "forms/Types.h"
#include "rtl/Component.h"

namespace forms {

class TFont : public rtl::TPersistent {
public:
    TFont() = default;
    ~TFont() override;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    const char* ClassName() const override { return "TFont"; }
    const rtl::PropertyTable* StoredProperties() const override;

    const std::string& Name() const { return name_; }
    int32_t Height() const { return height_; }
    TColor Color() const { return color_; }
    int32_t Charset() const { return charset_; }
    int32_t Style() const { return style_; }  // bits of TFontStyle
    void SetColor(TColor color);
    void Assign(const TFont& other);

    // The platform font, made on first use. A change of face, size, style or character set makes
    // a new one; the ones before stay until this font goes, as windows that take it as their
    // parent's font may still hold them. The colour is no part of it.
    WindowHandle Handle() const;

    // Called after every change (the owning control takes its own font from then on).
    std::function<void()> OnChange;

private:
    template <int32_t TFont::*Field>
    static int32_t GetField(const rtl::TPersistent& o);
    template <int32_t TFont::*Field>
    static void SetField(rtl::TPersistent& o, int32_t v);
    void Changed();
    void RetireHandle();

    std::string name_ = "MS Sans Serif";
    int32_t height_ = -11;
    TColor color_ = clWindowText;
    int32_t charset_ = 1;  // DEFAULT_CHARSET
    int32_t style_ = 0;
    mutable WindowHandle handle_ = nullptr;
    std::vector<WindowHandle> retired_;
};

}  // namespace forms
