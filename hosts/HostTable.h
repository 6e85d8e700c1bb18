#pragma once
// The six supported host IDEs and everything that differs between them. Pure data.
namespace hosts {

struct HostInfo {
    const char* HostName;
    const char* HostMacro;
    const char* RtmPackageSource;
    const char* DtmPackageSource;
    const char* RtmPackageBinary;
    const char* DtmPackageBinary;
    const char* HostRegistryKey;
    const char* RtmPrecompileCommand;  // batch line; %s receives HostRootPath
    const char* DtmPrecompileCommand;
    const char* RtmCompileCommand;
    const char* DtmCompileCommand;
    const char* CompilerPath;
    const char* HostHelpContents;
    const char* SuiteHelpName;
    const char* PayloadFolderTag;
    const char* VclFolderTag;
};

inline constexpr int HostCount = 6;
extern const HostInfo HostTable[HostCount];

}  // namespace hosts
