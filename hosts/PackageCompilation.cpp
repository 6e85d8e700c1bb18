// Compiles the suite's packages with the IDE's own tools through a generated batch file, and
// leaves instructions for compiling by hand when that does not produce both binaries.
#include <string>

#include "hosts/CompileMessages.h"
#include "hosts/ConsoleBatch.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationPlaces.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/ProductRecord.h"
#include "hosts/RebuildBatch.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Ui.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "rtl/StringList.h"
#include "rtl/TextLines.h"

namespace hosts {
namespace {

// Where the design-time binary must stay; relative to InstallPath, the current folder while
// compiling.
std::string LibDtmBinary(const HostInfo& host) { return rtl::PathInFolder("Lib", host.DtmPackageBinary); }

void SaveLines(std::vector<std::string> lines, const std::string& path) {
    rtl::TStringList list;
    list.Assign(std::move(lines));
    list.SaveToFile(path);
}

// Programs come from the system folder by full path: the installer runs elevated, often from
// Downloads, and a bare name would find a planted program beside it first.
std::string SystemProgram(const char* name) { return rtl::PathInFolder(GetSystemFolder(), name); }

// Runs the batch in a hidden console and waits for it however long the tools take.
void RunBatch() {
    auto& processes = platform::Processes();
    const std::string cmd = SystemProgram(compile::CommandInterpreter);
    platform::FileHandle process(
        processes.createProcess(cmd, rtl::Format(compile::RunBatchCommandLine, cmd), compile::ConsoleTitle, true));
    if (!process.Valid()) throw rtl::Exception(compile::StartFailed);
    processes.waitForProcess(process.Get());
}

// Notepad with the instructions, not waited for. Windows 10 (2004 on) and 11 may lack Notepad,
// an optional feature there: then the program the shell opens the file with, and where there is
// none either, the user is told where the instructions are.
void OpenInstructions() {
    auto& processes = platform::Processes();
    const std::string notepad = SystemProgram(compile::Notepad);
    const std::string instructions = rtl::PathInFolder(InstallPath, compile::InstructionFileName);
    if (processes.startProgram(notepad, rtl::Format(compile::OpenInstructionsCommandLine, notepad, instructions)))
        return;
    if (processes.openDocument(instructions)) return;
    ShowWarning(compile::OpenInstructionsByHand, {instructions});
}

}  // namespace

std::string GetSystemFolder() { return rtl::StripTrailingBackslash(platform::Files().getSystemDirectory()); }

void CompilePackages(IInstallationView& view) {
    const HostInfo& host = SelectedHost();
    auto& files = platform::Files();

    files.setCurrentDirectory(InstallPath);
    // Binaries of an earlier installation must not pass for this compilation's result.
    files.deleteFile(SystemRuntimePackage(GetSystemFolder()));
    files.deleteFile(LibDtmBinary(host));

    SaveRebuildBatch(host, {InstallPath, HostRootPath, GetSystemFolder()}, compile::BatchFileName);
    RunBatch();
    platform::Ui().bringApplicationToFront();

    const std::string systemFolder = GetSystemFolder();
    if (rtl::FileExists(SystemRuntimePackage(systemFolder)) && rtl::FileExists(LibDtmBinary(host))) {
        view.SetCompilingState(CheckState::Checked);
        return;
    }
    view.SetCompilingState(CheckState::Unchecked);
    SaveLines(rtl::SplitLines(ManualCompileInstructions(host, systemFolder)), compile::InstructionFileName);
    OpenInstructions();
}

}  // namespace hosts
