#pragma once
// Texts of package compilation: the batch that runs the IDE's tools, the instructions for
// compiling by hand, and the error when the batch cannot be started.
namespace hosts::compile {

inline constexpr char BatchFileName[] = "rebuild.bat";
inline constexpr char InstructionFileName[] = "error.log";
inline constexpr char ConsoleTitle[] = "Compile Korvane packages";
// The programs, from the system folder, and their command lines: %s the program's full path, then
// for Notepad the instruction file's. The batch is named relative to the current folder (the
// install folder), so that no folder name passes through cmd's command line, where %...% would be
// expanded; /D keeps a per-user AutoRun command out of the elevated console.
inline constexpr char CommandInterpreter[] = "cmd.exe";
inline constexpr char RunBatchCommandLine[] = "\"%s\" /D /C \".\\rebuild.bat\"";
inline constexpr char Notepad[] = "notepad.exe";
inline constexpr char OpenInstructionsCommandLine[] = "\"%s\" \"%s\"";
inline constexpr char StartFailed[] = "Error occured when trying to compile packages. Compilation is not done.";
// Where neither Notepad nor the program the shell opens error.log with can be started: %s is
// error.log's full path.
inline constexpr char OpenInstructionsByHand[] = "Open %s to compile the packages by hand.";

// What fills a batch line's %s placeholders, in order.
enum class BatchArg { InstallPath, HostRootPath, SystemFolder, HostName, RtmPackageBinary, DtmPackageBinary };

// A batch line: a fixed format, or (when format is null) one of the host's four command columns,
// which take HostRootPath as their one argument.
enum class HostCommand { None, RtmPrecompile, DtmPrecompile, RtmCompile, DtmCompile };

struct BatchLine {
    const char* format;
    HostCommand command;
    BatchArg args[2];
    int argCount;
};

inline constexpr BatchLine RebuildBatch[] = {
    {"@echo off", HostCommand::None, {}, 0},
    {"cls", HostCommand::None, {}, 0},
    {"echo This batch file will rebuild \"%s\" package", HostCommand::None, {BatchArg::RtmPackageBinary}, 1},
    {"echo Please make sure that %s IDE is closed", HostCommand::None, {BatchArg::HostName}, 1},
    {"CD \"%s\\Lib\"", HostCommand::None, {BatchArg::InstallPath}, 1},
    {"del \"%s\\%s\"", HostCommand::None, {BatchArg::SystemFolder, BatchArg::RtmPackageBinary}, 2},
    {"del \"%s\\%s\"", HostCommand::None, {BatchArg::SystemFolder, BatchArg::DtmPackageBinary}, 2},
    {nullptr, HostCommand::RtmPrecompile, {BatchArg::HostRootPath}, 1},
    {nullptr, HostCommand::DtmPrecompile, {BatchArg::HostRootPath}, 1},
    {nullptr, HostCommand::RtmCompile, {BatchArg::HostRootPath}, 1},
    {nullptr, HostCommand::DtmCompile, {BatchArg::HostRootPath}, 1},
    {"copy %s \"%s\"", HostCommand::None, {BatchArg::RtmPackageBinary, BatchArg::SystemFolder}, 2},
    {"del \"%s\"", HostCommand::None, {BatchArg::RtmPackageBinary}, 1},
    {"CD ..", HostCommand::None, {}, 0},
};

// The instructions for compiling by hand; lines are separated by a lone CR.
inline constexpr char ManualCompileMessage[] =
    "Could not automatically compile \"_rtm_pack_\" and \r"
    "\"_dtm_pack_\" files. Please try to manually compile them.\r"
    "In order to do this do the following:\r"
    "\r"
    "1. Open \"_rtm_pack_\" in _ide_ IDE.\r"
    "2. Choose Project|Options... menu.\r"
    "3. Choose Project|Compile \"_rtm_pack_\" menu\r"
    "4. Open \"_dtm_pack_\".\r"
    "5. Place \"_rtm_bpl_\" to \"_sys_folder_\" Windows system folder.\r"
    "6. Click on \"Install\" button. The components will be located in \r"
    "   \"Korvane\" and \"Korvane+\" tabs.\r"
    "\r"
    "If this does not help, please contact Maltrow Software technical support at support@maltrow-software.example.";

// The message's tokens, replaced in this order. _dtm_bpl_ does not occur in the message; it is
// replaced all the same so that a reworded message may use it.
enum class MessageArg { RtmPackageSource, DtmPackageSource, RtmPackageBinary, DtmPackageBinary, SystemFolder, HostName };

struct MessageToken {
    const char* token;
    MessageArg replacement;
};

inline constexpr MessageToken ManualCompileTokens[] = {
    {"_rtm_pack_", MessageArg::RtmPackageSource},
    {"_dtm_pack_", MessageArg::DtmPackageSource},
    {"_rtm_bpl_", MessageArg::RtmPackageBinary},
    {"_dtm_bpl_", MessageArg::DtmPackageBinary},
    {"_sys_folder_", MessageArg::SystemFolder},
    {"_ide_", MessageArg::HostName},
};

}  // namespace hosts::compile
