#pragma once
// Texts of the kvpack tool.
namespace kvpack::consts {

inline constexpr char SUsage[] =
    "usage:\n"
    "  kvpack pack DATA_DIR LICENSE_TXT OUT_RES   build a payload resource file from a folder tree\n"
    "  kvpack list FILE                           list the payload of a data.res or an executable\n"
    "  kvpack extract FILE TAG DEST_DIR           extract one folder tag below DEST_DIR\n"
    "  kvpack stream FILE OUT_STREAM              write the bare component stream (for the build)\n"
    "  kvpack form DESCRIPTION OUT_STREAM         turn a window's text description into its stream";
inline constexpr char SPacked[] = "%s: %s files, license: %s lines";
inline constexpr char SListLine[] = "%s %s %s %s";
inline constexpr char SLicenseLines[] = "license: %s lines";
inline constexpr char SExtracted[] = "%s: %s files of tag %s";
inline constexpr char SNotPayloadFile[] = "%s is neither a resource file nor an executable";
inline constexpr char SBadResourceFile[] = "%s is not a valid payload resource file";
inline constexpr char SPayloadResource[] = "INSTALL_DATA";
inline constexpr char SPayloadResourceFileName[] = "install_data";

}  // namespace kvpack::consts
