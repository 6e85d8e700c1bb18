#include "rtl/Filer.h"

namespace rtl {

std::string ObjectDisplayName(const TPersistent& object) {
    auto* component = dynamic_cast<const TComponent*>(&object);
    if (component && !component->Name().empty()) return component->Name();
    return object.ClassName();
}

}  // namespace rtl
