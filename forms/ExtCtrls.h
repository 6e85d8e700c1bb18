#pragma once
// The bevel (an etched rule or frame), the panel (a container with an optional frame and an inner
// border), and the notebook, a container of named pages of which one is shown at a time.
#include <string>
#include <vector>

#include "forms/WinControl.h"

namespace forms {

class TBevel : public TControl {
public:
    explicit TBevel(rtl::TComponent* owner) : TControl(owner) {}
    const char* ClassName() const override { return "TBevel"; }
    const rtl::PropertyTable* StoredProperties() const override;
    intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

class TPanel : public TWinControl {
public:
    explicit TPanel(rtl::TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TPanel"; }
    const rtl::PropertyTable* StoredProperties() const override;
    bool AcceptsControls() const override { return true; }
    intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

private:
    TBevelCut bevelOuter_ = bvRaised;
};

class TPage;

class TNotebook : public TWinControl {
public:
    explicit TNotebook(rtl::TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TNotebook"; }
    const rtl::PropertyTable* StoredProperties() const override;
    bool AcceptsControls() const override { return true; }

    int32_t PageIndex() const { return pageIndex_; }
    void SetPageIndex(int32_t index);
    // The shown page's name; showing a page by name (names compared exactly).
    std::string ActivePage() const;
    void SetActivePage(const std::string& name);
    std::vector<TPage*> Pages() const;

    void CreateHandle() override;

protected:
    // Every page fills the notebook, the hidden ones too.
    bool TakesPartInAlignment(const TControl&) const override { return true; }

private:
    void ShowActivePage();
    int32_t pageIndex_ = 0;
    std::string designActivePage_;
};

class TPage : public TWinControl {
public:
    explicit TPage(rtl::TComponent* owner);
    const char* ClassName() const override { return "TPage"; }
    const rtl::PropertyTable* StoredProperties() const override;
    bool AcceptsControls() const override { return true; }
};

}  // namespace forms
