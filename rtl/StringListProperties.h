#pragma once
// A text list as the component stream sees it: no stored properties and the one custom property
// "Strings", which carries the lines.
#include "rtl/Component.h"
#include "rtl/StringList.h"

namespace rtl {

class TStringListProperties : public TPersistent {
public:
    explicit TStringListProperties(TStringList& list) : list_(list) {}
    const char* ClassName() const override { return "TStringList"; }
    // Written only when the list has lines: the tag List, one string per line, an end marker.
    void DefineProperties(TPropertyDefiner& filer) override;

private:
    TStringList& list_;
};

}  // namespace rtl
