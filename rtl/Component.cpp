#include "rtl/Component.h"

#include <algorithm>

namespace rtl {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
    while (!owned_.empty()) delete owned_.back();  // each child's destructor removes itself
    if (owner_) owner_->Remove(this);
}

void TComponent::Remove(TComponent* child) {
    owned_.erase(std::remove(owned_.begin(), owned_.end(), child), owned_.end());
}

}  // namespace rtl
