#pragma once
// Registry locations and message texts of the host integration, used exactly as they stand.
namespace hosts::msg {

// Below HKEY_LOCAL_MACHINE: the IDE's own key (+ HostRegistryKey) and its root folder value.
inline constexpr char BorlandMachineKey[] = "\\SOFTWARE\\Borland\\";
inline constexpr char RootDirValue[] = "RootDir";

// Below the per-user root (the desktop user's hive): the IDE's per-user settings (+ HostRegistryKey + the subkey).
inline constexpr char BorlandUserKey[] = "\\Software\\Borland\\";
inline constexpr char LibrarySubKey[] = "\\Library";
inline constexpr char SearchPathValue[] = "Search Path";
inline constexpr char KnownPackagesSubKey[] = "\\Known Packages";

// The permission probe: opened relative to the root, then a key created relative to it.
inline constexpr char ProbeParentKey[] = "SOFTWARE";
inline constexpr char ProbeKey[] = "Maltrow Software Test";

// The product record below HKEY_LOCAL_MACHINE (+ HostName) and its values.
inline constexpr char ProductKey[] = "\\SOFTWARE\\Maltrow Software\\Korvane\\";
inline constexpr char PathValue[] = "Path";
inline constexpr char VersionValue[] = "Version";
inline constexpr char HelpFileValue[] = "HelpFile";

// Library entries and package registrations are made below the install folder's Lib folder.
inline constexpr char LibSuffix[] = "\\Lib";
inline constexpr char PackageEntryFormat[] = "%s\\Lib\\%s";
inline constexpr char SearchPathSeparator = ';';

inline constexpr char WarningCaption[] = "Warning";
inline constexpr char UnableToWriteRegistry[] = "Unable to write to registry:\r\n%s";

}  // namespace hosts::msg
