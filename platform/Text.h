#pragma once
// Locale-aware text operations of the system's ANSI code page. Pure logic reaches them through
// these declarations only; a build without Windows links a portable version instead.
#include <cstddef>
#include <string>

namespace platform {

// Code pages as Win32 names them: the system's ANSI page (CP_ACP) and its console page (CP_OEMCP).
inline constexpr unsigned AnsiCodePage = 0;
inline constexpr unsigned OemCodePage = 1;

// CompareStringA with LOCALE_USER_DEFAULT and NORM_IGNORECASE: <0, 0 or >0.
int CompareTextIgnoreCase(const std::string& a, const std::string& b);
// CharLowerBuffA: the system's ANSI lower-casing; keeps the length.
std::string LowerCase(const std::string& s);

// CharNextExA: where the character that begins at byte i of s ends. In the double-byte pages
// (932, 936, 949, 950) a lead byte and the byte after it are one character, whose second byte may
// be any value, a backslash's among them; a lead byte at the very end stands alone. i must begin
// a character, so callers walk from the start of the string.
size_t NextCharacter(const std::string& s, size_t i, unsigned codePage = AnsiCodePage);
// MultiByteToWideChar: the text as UTF-16, for the platform's wide functions.
std::wstring ToWide(const std::string& s, unsigned codePage = AnsiCodePage);
// MultiByteToWideChar then WideCharToMultiByte: the text in another code page. A letter that
// the other page lacks comes out as that page's stand-in character.
std::string ConvertCodePage(const std::string& s, unsigned from, unsigned to);
// GetACP: the number of the system's ANSI code page, such as 1252 or 932.
unsigned AnsiCodePageNumber();

}  // namespace platform
