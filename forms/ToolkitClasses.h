#pragma once
// The classes that form descriptions may use, by name.
#include "rtl/ClassList.h"

namespace forms {

const rtl::ClassList& ToolkitClasses();

}  // namespace forms
