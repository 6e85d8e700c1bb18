#pragma once
// The runtime's report of an error that escapes start-up, before any window exists.
#include <cstdint>

namespace wizard::consts {

inline constexpr char SRuntimeErrorCaption[] = "Error";
inline constexpr char SRuntimeError[] = "Runtime error %d at %s";
// The runtime's code for an exception that nothing handled.
inline constexpr uint32_t UnhandledExceptionError = 217;

}  // namespace wizard::consts
