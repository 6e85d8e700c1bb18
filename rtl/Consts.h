#pragma once
// Message texts of the runtime library, used exactly as they stand.
namespace rtl::consts {

inline constexpr char SFCreateError[] = "Cannot create file %s";
inline constexpr char SFOpenError[] = "Cannot open file %s";
inline constexpr char SReadError[] = "Stream read error";
inline constexpr char SWriteError[] = "Stream write error";
inline constexpr char SSizeTooLarge[] = "%s bytes do not fit a 32-bit size, which holds at most 2147483647";
inline constexpr char SInvalidImage[] = "Invalid stream format";
inline constexpr char SInvalidPropertyValue[] = "Invalid property value";
inline constexpr char SUnknownProperty[] = "Property does not exist";
inline constexpr char SInvalidPropertyPath[] = "Invalid property path";
inline constexpr char SClassNotFound[] = "Class %s not found";
inline constexpr char SInvalidName[] = "''%s'' is not a valid component name";
inline constexpr char SDuplicateName[] = "A component named %s already exists";
inline constexpr char SResNotFound[] = "Resource %s not found";
inline constexpr char SPropertyReadError[] = "Error reading %s%s%s: %s";
inline constexpr char SInvalidRegType[] = "Invalid data type for '%s'";
inline constexpr char SRegGetDataFailed[] = "Failed to get data for '%s'";
inline constexpr char SRegSetDataFailed[] = "Failed to set data for '%s'";
inline constexpr char SParseError[] = "Line %d: %s";
inline constexpr char SIdentifierExpected[] = "Identifier expected";
inline constexpr char SStringExpected[] = "String expected";
inline constexpr char SValueExpected[] = "Property value expected";
inline constexpr char SSymbolExpected[] = "%s expected";

}  // namespace rtl::consts
