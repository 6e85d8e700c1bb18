#pragma once
// Names, registry places and texts of the removal, used exactly as they stand. The uninstaller's
// questions and answers are in its string table (uninstall/UninstallStrings.h).
namespace removal::texts {

// Below the Program Files folder: one folder per IDE (+ HostName) with the uninstaller and its record.
inline constexpr char ProductFolder[] = "Maltrow Software";
inline constexpr char HostFolders[] = "Maltrow Software\\Korvane\\";
inline constexpr char UninstallerName[] = "uninstall.exe";
inline constexpr char RecordName[] = "uninstall.dat";
// The uninstaller as install.exe carries it: an RCDATA resource.
inline constexpr char UninstallerResource[] = "UNINSTALL";

// The Programs and Features entry below HKEY_LOCAL_MACHINE, one per IDE (+ HostName).
inline constexpr char EntryKeyPrefix[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvane ";
inline constexpr char DisplayName[] = "DisplayName";
inline constexpr char DisplayNameFormat[] = "Korvane 4.3 for %s";
inline constexpr char DisplayVersion[] = "DisplayVersion";
inline constexpr char Publisher[] = "Publisher";
inline constexpr char PublisherName[] = "Maltrow Software";
inline constexpr char InstallLocation[] = "InstallLocation";
inline constexpr char UninstallString[] = "UninstallString";
inline constexpr char UninstallStringFormat[] = "\"%s\"";
inline constexpr char DisplayIcon[] = "DisplayIcon";
inline constexpr char DisplayIconFormat[] = "%s,0";
inline constexpr char NoModify[] = "NoModify";
inline constexpr char NoRepair[] = "NoRepair";
inline constexpr char EstimatedSize[] = "EstimatedSize";

// The temporary folder's subfolder (+ a number) for the copy that removes the uninstaller.
inline constexpr char CopyFolderPrefix[] = "Korvane removal ";

// Failures, each shown in a warning box.
inline constexpr char UnableToWriteUninstaller[] = "Unable to write the uninstaller:\r\n%s";
inline constexpr char CannotDeleteFile[] = "Cannot delete file %s";
inline constexpr char UnableToWriteRegistry[] = "Unable to write to registry:\r\n%s";

}  // namespace removal::texts
