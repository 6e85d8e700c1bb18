#pragma once
// The wizard's short texts and the names it works with, used exactly as they stand. The long
// messages are in the string table (WizardStrings.h).
namespace wizard::texts {

inline constexpr char ApplicationTitle[] = "Korvane installer/uninstaller";

// Page names of the notebook, compared exactly.
inline constexpr char PageWelcome[] = "Welcome";
inline constexpr char PageInstallPath[] = "InstallPath";
inline constexpr char PageBeforeInstall[] = "BeforeInstall";
inline constexpr char PageInstalling[] = "Installing";
inline constexpr char PageWellDone[] = "WellDone";
inline constexpr char PageWaitIdeClosing[] = "Wait Delphi closing";

// A running IDE owns a window of this class.
inline constexpr char IdeWindowClass[] = "TPropertyInspector";

// Install path page.
inline constexpr char HostPathLabel[] = "%s path:";
inline constexpr char DefaultInstallFolder[] = "c:\\Korvane\\";
inline constexpr char PreviousVersion[] = "Previous version - %s";
inline constexpr char UnknownVersion[] = "?";
inline constexpr char InstallVersion[] = "Install version - %s";

// Folder browser titles.
inline constexpr char ChooseRootFolder[] = "Choose %s root folder ...";
inline constexpr char ChooseInstallFolder[] = "Choose Korvane folder ...";

// Folder browser: the Help button it may get, and the errors of the platform it reports.
inline constexpr char BrowserButtonClass[] = "BUTTON";
inline constexpr char BrowserHelpCaption[] = "&Help";
inline constexpr char OSError[] = "System Error.  Code: %d.\r\n%s";
inline constexpr char UnknownOSError[] = "A call to an OS function failed";
inline constexpr char OleError[] = "OLE error %s";

// Exit question and help.
inline constexpr char ExitCaption[] = "Korvane installer";
inline constexpr char HelpContentsMacro[] = "Contents()";

// Packing command: input and output beside the executable.
inline constexpr char PackDataFolder[] = "Data";
inline constexpr char PackLicenseFile[] = "license.txt";
inline constexpr char PackResourceFile[] = "data.res";
inline constexpr char PackingDone[] = "Packing done... Don't forget rebuild program!!";

}  // namespace wizard::texts
