#pragma once
// Backslashes in ANSI paths, found character by character. In the code pages 932, 936 and 950
// the second byte of a character may be 0x5C, the backslash's byte (Shift-JIS 表 is 95 5C), so a
// search byte by byte cuts such a name in two. Each helper walks from the start of the string;
// on single-byte code pages every result is that of the byte search.
#include <cstddef>
#include <string>

#include "platform/Text.h"

namespace rtl {

// The first backslash at or after from, which begins a character; npos when there is none.
size_t FindBackslash(const std::string& s, size_t from = 0, unsigned codePage = platform::AnsiCodePage);
// The last backslash; npos when there is none.
size_t LastBackslash(const std::string& s, unsigned codePage = platform::AnsiCodePage);
// True when a character begins at byte i and is a backslash.
bool IsBackslashAt(const std::string& s, size_t i, unsigned codePage = platform::AnsiCodePage);
// True when the last character is a backslash.
bool EndsWithBackslash(const std::string& s, unsigned codePage = platform::AnsiCodePage);
// The folder part of a path, up to and with its last backslash; empty when it has none.
std::string FolderPart(const std::string& path, unsigned codePage = platform::AnsiCodePage);

}  // namespace rtl
