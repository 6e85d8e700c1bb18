#pragma once
// The classes that a component stream may create as child components, found by class name.
#include <cstddef>
#include <string>

#include "rtl/Component.h"

namespace rtl {

// Creates a component of one class, owned by owner.
using ComponentFactory = TComponent* (*)(TComponent* owner);

struct ClassEntry {
    const char* name;
    ComponentFactory create;
};

struct ClassList {
    const ClassEntry* entries;
    size_t count;
};

// The factory of the class of that name (case of A to Z ignored); nullptr when none.
inline ComponentFactory FindClass(const ClassList& classes, const std::string& name) {
    for (size_t i = 0; i < classes.count; ++i)
        if (SameAsciiName(classes.entries[i].name, name)) return classes.entries[i].create;
    return nullptr;
}

template <class T>
TComponent* CreateComponent(TComponent* owner) { return new T(owner); }

}  // namespace rtl
