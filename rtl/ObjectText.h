#pragma once
// Text form descriptions ("object btnNext: TButton ... end") turned into the component stream
// format, the way the windows' descriptions become resources at build time.
#include <string>

#include "rtl/Streams.h"

namespace rtl {

// Writes the signature and the one root object that text describes. Understands objects with or
// without a name, dotted property names, integers (decimal or $hex), strings in single quotes
// joined with #nn character codes and +, identifiers (True and False become Booleans), sets
// [a, b] and lists ( ... ); "//" starts a comment. EParserError "Line %d: %s" on anything else.
void ObjectTextToBinary(const std::string& text, TStream& output);

}  // namespace rtl
