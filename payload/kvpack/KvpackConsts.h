#pragma once
// Texts of the kvpack tool.
namespace kvpack::consts {

inline constexpr char SUsage[] =
    "usage:\n"
    "  kvpack pack DATA_DIR LICENSE_TXT OUT_RES   build a payload resource file from a folder tree\n"
    "  kvpack bind TEMPLATE.exe PAYLOAD OUT.exe   a copy of a built install.exe with another payload\n"
    "                                             (a data.res, an installer or a bare stream)\n"
    "  kvpack build DATA_DIR LICENSE_TXT TEMPLATE.exe OUT.exe\n"
    "                                             pack and bind in one step\n"
    "  kvpack list FILE                           list the payload of a data.res or an executable\n"
    "  kvpack extract FILE TAG DEST_DIR           extract one folder tag below DEST_DIR\n"
    "  kvpack stream FILE OUT_STREAM              write the bare component stream (for the build)\n"
    "  kvpack form DESCRIPTION OUT_STREAM         turn a window's text description into its stream\n"
    "  kvpack uninstaller FILE OUT.exe            write the uninstaller that an installer carries\n"
    "  kvpack bind-uninstaller TEMPLATE.exe UNINSTALL.exe OUT.exe\n"
    "                                             a copy of install.exe carrying that uninstaller";
inline constexpr char SPacked[] = "%s: %s files, license: %s lines";
inline constexpr char SListLine[] = "%s %s %s %s";
inline constexpr char SLicenseLines[] = "license: %s lines";
inline constexpr char SExtracted[] = "%s: %s files of tag %s";
inline constexpr char SNotPayloadFile[] = "%s is neither a resource file nor an executable";
inline constexpr char SBadResourceFile[] = "%s is not a valid payload resource file";
inline constexpr char SNotAnInstaller[] = "%s is not a Korvane installer";
inline constexpr char SSignedTemplate[] =
    "%s is signed: bind an unsigned build of install.exe, then sign the result";
inline constexpr char SOutIsTemplate[] = "%s is the template, which bind never changes: name another output file";
inline constexpr char SUpdateFailed[] = "Cannot update the resources of %s";
inline constexpr char SBindNotReadBack[] = "The resources of %s do not read back as written";
inline constexpr char SLayoutLost[] = "The resource update lost the page-aligned layout of %s";
inline constexpr char SCodePageName[] =
    "warning: %s: a name beyond ASCII, read in code page %s; it installs under this name only on "
    "Windows whose ANSI code page is that one";
inline constexpr char SCodePageLicenseLine[] =
    "warning: %s line %s: text beyond ASCII, read in code page %s; it shows as written only on "
    "Windows whose ANSI code page is that one";
inline constexpr char SNotAProgram[] = "%s is not a Windows program";
inline constexpr char SUninstallerWritten[] = "%s: the uninstaller, %s bytes";
inline constexpr char SOutOfMemory[] =
    "Out of memory: kvpack holds the whole payload in memory, and bind and build a copy of the installer too";
inline constexpr char SPayloadResource[] = "INSTALL_DATA";
inline constexpr char SUninstallerResource[] = "UNINSTALL";
inline constexpr char SPayloadResourceFileName[] = "install_data";

}  // namespace kvpack::consts
