#include "rtl/Filer.h"

namespace rtl {

namespace {
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

bool SamePropertyName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

std::string ObjectDisplayName(const TPersistent& object) {
    auto* component = dynamic_cast<const TComponent*>(&object);
    if (component && !component->Name().empty()) return component->Name();
    return object.ClassName();
}

}  // namespace rtl
