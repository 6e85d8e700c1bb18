#pragma once
// The suite's own constants.
namespace hosts {

inline constexpr char SuiteVersion[] = "4.3";
inline constexpr char PackageDescription[] = "Korvane 4.3 package";
inline constexpr char EditionTitle[] = "Korvane 4.3 <Delphi/C++ Builder edition>";
inline constexpr char ApplicationTitle[] = "Korvane installer/uninstaller";

}  // namespace hosts
