#include "removal/RunRecorder.h"

#include <exception>
#include <optional>

#include "hosts/HostMessages.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationPlaces.h"
#include "hosts/IntegrationSteps.h"
#include "hosts/ProductRecord.h"
#include "hosts/UserSettings.h"
#include "payload/FolderMaker.h"
#include "platform/Resources.h"
#include "platform/Users.h"
#include "removal/FolderSnapshot.h"
#include "removal/RecordedFiles.h"
#include "removal/RemovalPlace.h"
#include "removal/RemovalTexts.h"
#include "removal/SharedText.h"
#include "removal/UninstallEntry.h"
#include "rtl/Exceptions.h"
#include "rtl/Paths.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streams.h"

namespace removal {
namespace {

constexpr char ProgramFilesUnknown[] = "The Program Files folder is not known";
constexpr char LibFolder[] = "Lib";

// A value below the per-user root, as the integration steps see it.
rtl::RegistryValue UserValue(const std::string& key, const std::string& name) {
    rtl::TRegistry reg;
    return reg.OpenKey(key, false) ? reg.ReadValue(name) : rtl::RegistryValue();
}

std::optional<std::string> FileContents(const std::string& path) {
    if (!rtl::FileExists(path)) return std::nullopt;
    return rtl::ReadFileBytes(path);
}

// Where the compilation writes: rebuild.bat and error.log in the install folder, and the IDE's
// tools, which run in its Lib folder, there and below (not the whole drive of an install folder
// at its root).
FolderSnapshot CompilationFiles() {
    FolderSnapshot files = SnapshotFiles(hosts::InstallPath, false);
    files.merge(SnapshotFiles(rtl::PathInFolder(hosts::InstallPath, LibFolder), true));
    return files;
}

// The install folder, or where it is not there yet, the highest of the folders above it that the
// extraction will make: the removal leaves none of them behind.
std::string FirstFolderMade(const std::string& installPath) {
    std::string folder = installPath;
    for (std::string parent = rtl::FolderOf(folder);
         parent != folder && !rtl::FolderExists(folder) && !rtl::FolderExists(parent); parent = rtl::FolderOf(folder))
        folder = parent;
    return folder;
}

// The key below the hive, as the removal opens it below HKEY_USERS\<SID>.
std::string BelowHive(const std::string& key) { return key.substr(key.rfind('\\', 0) == 0 ? 1 : 0); }

}  // namespace

RunRecorder::RunRecorder() {
    platform::ResourceBytes uninstaller;
    if (!platform::Resources().findOwnRcData(texts::UninstallerResource, &uninstaller)) return;
    Guarded([&] {
        const std::string host = hosts::SelectedHost().HostName;
        folder_ = HostFolder(host);
        if (folder_.empty()) throw rtl::Exception(ProgramFilesUnknown);
        payload::FolderMaker().Force(folder_);
        const std::string recordFile = rtl::PathInFolder(folder_, texts::RecordName);
        // What earlier installations into this IDE left stays listed; a damaged record is lost.
        if (rtl::FileExists(recordFile)) {
            try {
                record_.LoadFromFile(recordFile);
            } catch (const rtl::EFilerError&) {
                record_.Clear();
            }
        }
        record_.Host = host;
        record_.ProductKey = hosts::msg::ProductKey + host;
        record_.AddInstallFolder(FirstFolderMade(hosts::InstallPath));
        rtl::ReplaceFileBytes(rtl::PathInFolder(folder_, texts::UninstallerName), uninstaller.data, uninstaller.size);
        sid_ = platform::PerUserRootSid();
        active_ = true;
        Save();
    });
}

void RunRecorder::Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        active_ = false;
        hosts::ShowWarning(texts::UnableToWriteUninstaller, {e.what()});
    }
}

void RunRecorder::WhileRecording(const std::function<void()>& work) {
    if (active_) Guarded(work);
}

void RunRecorder::Observed(const std::function<void()>& step, const std::function<void()>& observe) {
    const auto record = [&] {
        WhileRecording([&] {
            observe();
            Save();
        });
    };
    try {
        step();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void RunRecorder::Save() {
    const std::string uninstaller = rtl::PathInFolder(folder_, texts::UninstallerName);
    const std::string recordFile = rtl::PathInFolder(folder_, texts::RecordName);
    record_.SaveToFile(recordFile);
    std::vector<std::string> files = record_.Files.Lines();
    files.push_back(uninstaller);
    files.push_back(recordFile);
    WriteEntry({record_.Host, hosts::InstallPath, uninstaller, SizeKiB(files)});
}

void RunRecorder::FileWritten(const std::string& path) {
    if (active_) record_.AddFile(path);
}

void RunRecorder::Extraction(const std::function<void()>& step) {
    Observed(step, [] {});
}

// A value that the step changed: the first installation's value is kept as the original while
// the value stays as the last installation left it; once someone else changed it, it is lost.
void RunRecorder::RecordValue(const std::string& key, const std::string& name, const std::string& entry,
                              const rtl::RegistryValue& before) {
    const rtl::RegistryValue after = UserValue(key, name);
    if (after == before) return;
    TRegistryEdit* edit = record_.FindRegistryEdit(sid_, BelowHive(key), name);
    if (!edit) {
        edit = &record_.AddRegistryEdit(sid_, BelowHive(key), name);
        edit->OriginalType = static_cast<int32_t>(before.type);
        edit->Original = before.data;
    } else if (edit->LeftValue() != before) {
        edit->OriginalType = UnknownType;
        edit->Original.clear();
    }
    edit->Entry = entry;
    edit->LeftType = static_cast<int32_t>(after.type);
    edit->Left = after.data;
}

void RunRecorder::LibraryPath(const std::function<void()>& step) {
    rtl::RegistryValue before;
    WhileRecording([&] { before = UserValue(hosts::LibraryKeyPath(hosts::SelectedHost()), hosts::msg::SearchPathValue); });
    Observed(step, [&] { RecordValue(hosts::LibraryKeyPath(hosts::SelectedHost()), hosts::msg::SearchPathValue, hosts::SuiteLibraryEntry(), before); });
}

void RunRecorder::Package(const std::function<void()>& step) {
    rtl::RegistryValue before;
    WhileRecording([&] { before = UserValue(hosts::KnownPackagesKeyPath(hosts::SelectedHost()), hosts::SuitePackageEntry()); });
    Observed(step, [&] { RecordValue(hosts::KnownPackagesKeyPath(hosts::SelectedHost()), hosts::SuitePackageEntry(), "", before); });
}

void RunRecorder::Help(const std::function<void()>& step) {
    const std::string contentsFile = hosts::IdeHelpContentsFile();
    std::optional<std::string> before;
    WhileRecording([&] { before = FileContents(contentsFile); });
    Observed(step, [&] {
        for (const std::string& file : {hosts::InstalledSuiteContentsFile(), hosts::InstalledSuiteHelpFile()})
            if (rtl::FileExists(file)) record_.AddFile(file);
        const std::optional<std::string> after = FileContents(contentsFile);
        if (!before || !after || after == before) return;
        const std::string line = hosts::SuiteIncludeLine();
        TFileEdit* edit = record_.FindFileEdit(contentsFile);
        if (!edit) {
            edit = &record_.AddFileEdit(contentsFile);
            edit->OriginalKnown = true;
            edit->Original = *before;
        } else if (edit->Left != *before) {
            edit->OriginalKnown = false;
            edit->Original.clear();
        }
        edit->Line = line;
        edit->LineAdded = edit->LineAdded || !HasLine(*before, line);
        edit->Left = *after;
    });
}

void RunRecorder::Compilation(const std::function<void()>& step) {
    FolderSnapshot before;
    WhileRecording([&] { before = CompilationFiles(); });
    Observed(step, [&] {
        for (const std::string& file : WrittenSince(before, CompilationFiles())) record_.AddFile(file);
        const std::string package = hosts::SystemRuntimePackage(hosts::GetSystemFolder());
        if (rtl::FileExists(package)) record_.AddFile(package);
    });
}

}  // namespace removal
