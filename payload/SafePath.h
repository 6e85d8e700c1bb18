#pragma once
// Whether a stored relative name stays inside the folder it is extracted into.
#include <string>

namespace payload {

// name is a stored name, or one without its folder tag: a backslash, then components separated
// by backslashes. True when every component names a plain entry of its folder: not empty, not
// "." or "..", nothing that Windows trims down to those (dots and spaces only), no drive or
// stream colon, no forward slash (Windows takes it for a backslash) and no device name such as
// NUL, COM1 or COM\xB9 (a superscript one).
bool IsSafeRelativeName(const std::string& name);

}  // namespace payload
