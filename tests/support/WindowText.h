#pragma once
// What any window shows to whoever looks at it from outside: its class name and its text.
#include <windows.h>

#include <string>

namespace test {

std::string ClassOf(HWND window);
std::string TextOf(HWND window);

}  // namespace test
