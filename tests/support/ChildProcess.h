#pragma once
// Runs a program as a real child process and collects what it printed and its exit code.
#include <cstdint>
#include <string>

namespace test {

struct ChildResult {
    uint32_t exitCode = 0;
    std::string out;  // standard output
    std::string err;  // standard error
};

// commandLine as CreateProcessA takes it; waits for the end. Throws std::runtime_error when the
// program cannot be started.
ChildResult RunChild(const std::string& commandLine);
// The folder of the running test executable, with a trailing backslash.
std::string ExecutableFolder();

}  // namespace test
