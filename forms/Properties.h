#pragma once
// What the property tables of several control classes share.
#include "rtl/Component.h"

namespace forms {

// The object a property accessor is given, as the class whose table it is.
template <class T>
T& As(rtl::TPersistent& o) { return static_cast<T&>(o); }
template <class T>
const T& As(const rtl::TPersistent& o) { return static_cast<const T&>(o); }

// "Caption" of any control, and its "OnClick" event bound to a handler of the form.
rtl::PropertyInfo CaptionProperty();
rtl::PropertyInfo OnClickProperty();

}  // namespace forms
