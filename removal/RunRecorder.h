#pragma once
// The removal's side of an installation run: the uninstaller and its record in the IDE's folder
// below Program Files, the IDE's entry in Programs and Features, and each change of the run
// recorded as its step completes (or fails), so that a run that stopped with an error can be
// taken back too.
#include <functional>
#include <string>

#include "removal/RemovalRecord.h"

namespace removal {

class RunRecorder {
public:
    // For the selected host and InstallPath: writes the uninstaller that this program carries and
    // its record, which keeps what an earlier record of the IDE lists, and the entry. A program
    // that carries no uninstaller (a test program) records nothing. What cannot be written is
    // shown in a warning box once, and the run goes on without a record.
    RunRecorder();
    RunRecorder(const RunRecorder&) = delete;
    RunRecorder& operator=(const RunRecorder&) = delete;

    // The extraction's hook: a file about to be written.
    void FileWritten(const std::string& path);

    // Each runs its step and records what it changed, also when it raises, which passes on.
    void Extraction(const std::function<void()>& step);
    void LibraryPath(const std::function<void()>& step);
    void Package(const std::function<void()>& step);
    void Help(const std::function<void()>& step);
    void Compilation(const std::function<void()>& step);

private:
    // Does the recorder's own work; a failure stops the recording with one warning box.
    void Guarded(const std::function<void()>& work);
    // The same, while recording.
    void WhileRecording(const std::function<void()>& work);
    // Runs the step, then (also when it raises) records what observe finds and saves the record.
    void Observed(const std::function<void()>& step, const std::function<void()>& observe);
    void RecordValue(const std::string& key, const std::string& name, const std::string& entry,
                     const rtl::RegistryValue& before);
    void Save();

    bool active_ = false;
    TRemovalRecord record_;
    std::string folder_;  // the uninstaller's
    std::string sid_;     // the per-user hive's
};

}  // namespace removal
