#include "hosts/RebuildBatch.h"

#include "hosts/CompileMessages.h"
#include "rtl/Format.h"

namespace hosts {
namespace {

using compile::BatchArg;
using compile::HostCommand;
using compile::MessageArg;

// cmd.exe expands %...% in a batch line, and takes %% for one percent sign; a folder such as
// "C:\Kv 100%" is legal.
std::string BatchFolder(const std::string& folder) { return ReplaceAll(folder, "%", "%%"); }

std::string BatchArgText(BatchArg arg, const HostInfo& host, const CompileFolders& folders) {
    switch (arg) {
        case BatchArg::InstallPath: return BatchFolder(folders.installPath);
        case BatchArg::HostRootPath: return BatchFolder(folders.hostRootPath);
        case BatchArg::SystemFolder: return BatchFolder(folders.systemFolder);
        case BatchArg::HostName: return host.HostName;
        case BatchArg::RtmPackageBinary: return host.RtmPackageBinary;
        case BatchArg::DtmPackageBinary: return host.DtmPackageBinary;
    }
    return {};
}

const char* HostCommandFormat(HostCommand command, const HostInfo& host) {
    switch (command) {
        case HostCommand::RtmPrecompile: return host.RtmPrecompileCommand;
        case HostCommand::DtmPrecompile: return host.DtmPrecompileCommand;
        case HostCommand::RtmCompile: return host.RtmCompileCommand;
        case HostCommand::DtmCompile: return host.DtmCompileCommand;
        case HostCommand::None: break;
    }
    return "";
}

std::string MessageArgText(MessageArg arg, const HostInfo& host, const std::string& systemFolder) {
    switch (arg) {
        case MessageArg::RtmPackageSource: return host.RtmPackageSource;
        case MessageArg::DtmPackageSource: return host.DtmPackageSource;
        case MessageArg::RtmPackageBinary: return host.RtmPackageBinary;
        case MessageArg::DtmPackageBinary: return host.DtmPackageBinary;
        case MessageArg::SystemFolder: return systemFolder;
        case MessageArg::HostName: return host.HostName;
    }
    return {};
}

}  // namespace

std::vector<std::string> RebuildBatchLines(const HostInfo& host, const CompileFolders& folders) {
    std::vector<std::string> lines;
    for (const auto& line : compile::RebuildBatch) {
        std::vector<std::string> args;
        for (int i = 0; i < line.argCount; ++i) args.push_back(BatchArgText(line.args[i], host, folders));
        const char* format = line.format ? line.format : HostCommandFormat(line.command, host);
        lines.push_back(rtl::FormatList(format, args));
    }
    return lines;
}

std::string ManualCompileInstructions(const HostInfo& host, const std::string& systemFolder) {
    std::string text = compile::ManualCompileMessage;
    for (const auto& t : compile::ManualCompileTokens)
        text = ReplaceAll(text, t.token, MessageArgText(t.replacement, host, systemFolder));
    return text;
}

std::string ReplaceAll(const std::string& text, const std::string& token, const std::string& replacement) {
    if (token.empty()) return text;
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(token, from)) != std::string::npos; from = at + token.size())
        out.append(text, from, at - from).append(replacement);
    return out.append(text, from, std::string::npos);
}

}  // namespace hosts
