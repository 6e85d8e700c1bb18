#include "hosts/ConsoleBatch.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "rtl/StringList.h"

namespace hosts {
namespace {

std::string ToOem(const std::string& text) {
    return platform::ConvertCodePage(text, platform::AnsiCodePage, platform::OemCodePage);
}

bool OemSpellsIt(const std::string& text) {
    return platform::ConvertCodePage(ToOem(text), platform::OemCodePage, platform::AnsiCodePage) == text;
}

}  // namespace

std::string ConsoleFolder(const std::string& folder) {
    if (OemSpellsIt(folder)) return folder;
    const std::string shortName = platform::Files().getShortPathName(folder);
    return !shortName.empty() && OemSpellsIt(shortName) ? shortName : folder;
}

void SaveRebuildBatch(const HostInfo& host, const CompileFolders& folders, const std::string& path) {
    std::vector<std::string> lines = RebuildBatchLines(
        host, {ConsoleFolder(folders.installPath), ConsoleFolder(folders.hostRootPath), ConsoleFolder(folders.systemFolder)});
    for (std::string& line : lines) line = ToOem(line);
    rtl::TStringList batch;
    batch.Assign(std::move(lines));
    batch.SaveToFile(path);
}

}  // namespace hosts
