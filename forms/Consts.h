#pragma once
// Message texts of the windowing toolkit.
namespace forms::consts {

inline constexpr char SNotAContainer[] = "Control %s cannot be placed on %s";
inline constexpr char SWindowCreateError[] = "Error creating window of class %s";
inline constexpr char SClassRegisterError[] = "Error registering window class %s";
inline constexpr char SVisibleChangeModal[] = "Cannot make a visible window modal";
inline constexpr char SMissingControl[] = "Form %s has no component %s of the expected class";

}  // namespace forms::consts
