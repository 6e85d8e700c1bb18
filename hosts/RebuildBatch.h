#pragma once
// The texts that package compilation writes: the batch file's lines and the instructions for
// compiling by hand. Pure text building, so each host's output can be checked without running it.
#include <string>
#include <vector>

#include "hosts/HostTable.h"

namespace hosts {

// Where the compilation runs: the two folders of the installation and the Windows system folder.
struct CompileFolders {
    std::string installPath;
    std::string hostRootPath;
    std::string systemFolder;
};

// The fourteen lines of rebuild.bat, without line ends; each % of a folder doubled.
std::vector<std::string> RebuildBatchLines(const HostInfo& host, const CompileFolders& folders);
// The manual-compile message with its tokens replaced; lines still separated by a lone CR.
std::string ManualCompileInstructions(const HostInfo& host, const std::string& systemFolder);
// Every occurrence of token, left to right, case-sensitive; the inserted text is not searched again.
std::string ReplaceAll(const std::string& text, const std::string& token, const std::string& replacement);

}  // namespace hosts
