#pragma once
// The two ways text is compared without regard to case. Paths, list entries, value names and
// versions follow the user's locale, so that "É" and "é" are one letter under 1252. Names of the
// component stream format (properties, classes, components, resources) fold only A to Z, so that
// a stream reads the same on every system.
#include <string>

namespace rtl {

// The user's locale (CompareStringA, LOCALE_USER_DEFAULT, NORM_IGNORECASE): <0, 0 or >0.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
// The system's ANSI lower-casing (CharLowerBuffA); keeps the length.
std::string LowerText(const std::string& s);
// True when s, lower-cased, begins with prefix, lower-cased: a plain character prefix.
bool StartsWithText(const std::string& s, const std::string& prefix);

// A to Z against a to z; every other byte only matches itself.
bool SameAsciiName(const std::string& a, const std::string& b);
char UpperAscii(char c);
std::string UpperAscii(std::string s);

}  // namespace rtl
