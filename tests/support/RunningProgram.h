#pragma once
// A program started as its own process, as a user starts it, and found again by its top-level
// windows. Ended by force if it still runs when this object goes.
#include <cstdint>
#include <string>
#include <vector>

namespace test {

class RunningProgram {
public:
    // Starts program with arguments (appended to its quoted path), in folder (empty: the current
    // one). Throws std::runtime_error when it cannot be started.
    RunningProgram(const std::string& program, const std::string& arguments = "", const std::string& folder = "");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    uint32_t Id() const { return processId_; }
    bool Running() const;
    // Waits for the end and gives the exit code; throws std::runtime_error when the end does not
    // come within limitMs (a negative limit waits for ever).
    uint32_t ExitCode(int limitMs) const;
    // Its top-level windows of the class (HWNDs), visible or not.
    std::vector<void*> Windows(const std::string& className) const;
    // Asks its windows of the class to close (WM_CLOSE); ends it by force when it does not end
    // within limitMs.
    void Close(const std::string& className, int limitMs);

private:
    void* process_ = nullptr;
    uint32_t processId_ = 0;
};

}  // namespace test
