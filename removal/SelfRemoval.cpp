#include "removal/SelfRemoval.h"

#include <exception>

#include "platform/Files.h"
#include "platform/Process.h"
#include "removal/RecordedFiles.h"
#include "removal/RemovalTexts.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"

namespace removal {
namespace {

// Folders of a new name are tried in turn; one left by an earlier removal is waiting for a restart.
constexpr int CopyFolderAttempts = 100;
constexpr char QuotedFormat[] = "\"%s\"";

std::string NewCopyFolder() {
    auto& files = platform::Files();
    const std::string temp = rtl::StripTrailingBackslash(files.getTempFolder());
    if (temp.empty()) return "";
    for (int n = 1; n <= CopyFolderAttempts; ++n) {
        const std::string folder = rtl::PathInFolder(temp, texts::CopyFolderPrefix + std::to_string(n));
        if (files.createDirectory(folder)) return folder;
    }
    return "";
}

bool StartCopy(const std::string& program, const std::vector<std::string>& files, const std::string& top) {
    auto& api = platform::Files();
    const std::string folder = NewCopyFolder();
    if (folder.empty()) return false;
    const std::string copy = rtl::PathInFolder(folder, texts::UninstallerName);
    const std::string recordFile = rtl::PathInFolder(folder, texts::RecordName);
    bool started = false;
    try {
        const uint64_t waitFor = platform::Processes().inheritableSelfHandle();
        if (waitFor != 0 && api.copyFile(program, copy, true)) {
            TRemovalRecord cleanup;
            cleanup.WaitFor = static_cast<int32_t>(waitFor);
            cleanup.Files.Assign(files);
            cleanup.InstallFolders.Add(top);
            cleanup.SaveToFile(recordFile);
            // In its own folder, so that no folder it is to remove is its current one.
            started = platform::Processes().startInheriting(copy, rtl::Format(QuotedFormat, copy), folder);
        }
    } catch (const std::exception&) {
    }
    if (!started) {
        api.deleteFile(recordFile);
        api.deleteFile(copy);
        api.removeDirectory(folder);
    }
    return started;
}

// The files, then their folders deepest first up to top: Windows takes them in this order, and
// a folder that is not empty by then stays.
bool MarkForRestart(const std::vector<std::string>& files, const std::string& top) {
    auto& api = platform::Files();
    bool marked = true;
    for (const std::string& file : files)
        if (api.getAttributes(file) != platform::attr::Invalid) marked = api.deleteAtRestart(file) && marked;
    for (const std::string& folder : FoldersUpTo(files, {top})) api.deleteAtRestart(folder);
    return marked;
}

}  // namespace

bool RemoveAfterEnd(const std::string& program, const std::vector<std::string>& files, const std::string& top) {
    return StartCopy(program, files, top) || MarkForRestart(files, top);
}

void FinishAfterEnd(const TRemovalRecord& cleanup, const std::string& recordFile, const std::string& program) {
    auto& api = platform::Files();
    api.deleteFile(recordFile);
    platform::Processes().waitForInherited(static_cast<uint64_t>(static_cast<uint32_t>(cleanup.WaitFor)));
    std::vector<std::string> left;
    for (const std::string& file : cleanup.Files.Lines()) {
        try {
            DeleteRecordedFile(file);
        } catch (const std::exception&) {
            left.push_back(file);
        }
    }
    RemoveEmptyFolders(cleanup.Files.Lines(), cleanup.InstallFolders.Lines());
    if (!left.empty() && cleanup.InstallFolders.Count() > 0) MarkForRestart(left, cleanup.InstallFolders[0]);
    api.deleteAtRestart(program);
    api.deleteAtRestart(rtl::FolderOf(program));
}

}  // namespace removal
