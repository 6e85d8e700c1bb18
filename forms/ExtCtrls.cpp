#include "forms/ExtCtrls.h"

#include <windows.h>

#include <iterator>

#include "forms/Properties.h"
#include "forms/Win32Windows.h"

namespace forms {
// Bevel

const rtl::PropertyTable* TBevel::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::EnumProperty(
            "Shape", [](const rtl::TPersistent& o) -> int32_t { return As<TBevel>(o).shape_; },
            [](rtl::TPersistent& o, int32_t v) { As<TBevel>(o).shape_ = static_cast<TBevelShape>(v); },
            &BevelShapeIdents, bsBox),
        rtl::EnumProperty(
            "Style", [](const rtl::TPersistent& o) -> int32_t { return As<TBevel>(o).style_; },
            [](rtl::TPersistent& o, int32_t v) { As<TBevel>(o).style_ = static_cast<TBevelStyle>(v); },
            &BevelStyleIdents, bsLowered),
    };
    static const rtl::PropertyTable table = {TControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

intptr_t TBevel::WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return TControl::WndProc(message, wParam, lParam);
    static const UINT sides[] = {BF_RECT, BF_RECT, BF_TOP, BF_BOTTOM, BF_LEFT, BF_RIGHT, 0};
    HWND window = win::Hwnd(Handle());
    win::PaintDc paint(window);
    HDC dc = paint.Get();
    RECT r;
    GetClientRect(window, &r);
    FillRect(dc, &r, win::BrushOf(Parent() ? Parent()->EffectiveColor() : clBtnFace));
    // A lowered rule is etched: the shadow line, then the highlight below or right of it.
    UINT edge = style_ == bsLowered ? EDGE_ETCHED : EDGE_BUMP;
    if (shape_ == bsBox) edge = style_ == bsLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
    if (sides[shape_]) DrawEdge(dc, &r, edge, sides[shape_]);
    return 0;
}

// Panel

const rtl::PropertyTable* TPanel::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::EnumProperty(
            "BevelOuter", [](const rtl::TPersistent& o) -> int32_t { return As<TPanel>(o).bevelOuter_; },
            [](rtl::TPersistent& o, int32_t v) { As<TPanel>(o).bevelOuter_ = static_cast<TBevelCut>(v); },
            &BevelCutIdents, bvRaised),
        rtl::IntegerProperty(
            "BorderWidth", [](const rtl::TPersistent& o) { return As<TPanel>(o).borderWidth_; },
            [](rtl::TPersistent& o, int32_t v) { As<TPanel>(o).borderWidth_ = v; }, 0),
        CaptionProperty(),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

intptr_t TPanel::WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == WM_PAINT && bevelOuter_ != bvNone) {
        HWND window = win::Hwnd(Handle());
        win::PaintDc paint(window);
        RECT r;
        GetClientRect(window, &r);
        DrawEdge(paint.Get(), &r, bevelOuter_ == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

// Notebook

const rtl::PropertyTable* TNotebook::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::StringProperty(
            "ActivePage", [](const rtl::TPersistent& o) { return As<TNotebook>(o).ActivePage(); },
            [](rtl::TPersistent& o, const std::string& v) { As<TNotebook>(o).designActivePage_ = v; }),
        rtl::IntegerProperty(
            "PageIndex", [](const rtl::TPersistent& o) { return As<TNotebook>(o).pageIndex_; },
            [](rtl::TPersistent& o, int32_t v) { As<TNotebook>(o).pageIndex_ = v; }, 0),
    };
    static const rtl::PropertyTable table = {TWinControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

std::vector<TPage*> TNotebook::Pages() const {
    std::vector<TPage*> pages;
    for (TControl* c : Controls())
        if (auto* page = dynamic_cast<TPage*>(c)) pages.push_back(page);
    return pages;
}

void TNotebook::CreateHandle() {
    if (HandleAllocated()) return;
    if (!designActivePage_.empty()) SetActivePage(designActivePage_);
    for (TPage* page : Pages()) page->SetVisible(false);
    TWinControl::CreateHandle();
    ShowActivePage();
}

void TNotebook::SetPageIndex(int32_t index) {
    pageIndex_ = index;
    ShowActivePage();
}

void TNotebook::ShowActivePage() {
    std::vector<TPage*> pages = Pages();
    // The new page shows before the old one hides, so that the notebook is never seen empty.
    if (pageIndex_ >= 0 && pageIndex_ < static_cast<int32_t>(pages.size())) pages[pageIndex_]->SetVisible(true);
    for (int32_t i = 0; i < static_cast<int32_t>(pages.size()); ++i)
        if (i != pageIndex_) pages[i]->SetVisible(false);
}

std::string TNotebook::ActivePage() const {
    std::vector<TPage*> pages = Pages();
    return pageIndex_ >= 0 && pageIndex_ < static_cast<int32_t>(pages.size()) ? pages[pageIndex_]->Caption() : "";
}

void TNotebook::SetActivePage(const std::string& name) {
    std::vector<TPage*> pages = Pages();
    for (int32_t i = 0; i < static_cast<int32_t>(pages.size()); ++i)
        if (pages[i]->Caption() == name) SetPageIndex(i);
}

// Page

TPage::TPage(rtl::TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    align_ = alClient;  // a page fills its notebook
}

const rtl::PropertyTable* TPage::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        CaptionProperty(),
    };
    static const rtl::PropertyTable table = {TControl::StoredProperties(), properties, std::size(properties)};
    return &table;
}

}  // namespace forms
