#include "tests/support/ChildProcess.h"

#include <windows.h>

#include <stdexcept>

#include "tests/support/TempDir.h"

namespace test {
namespace {

// An inheritable file handle for the child's standard output or error; closed when it goes.
class InheritableFile {
public:
    explicit InheritableFile(const std::string& path) {
        SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
        handle_ = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    }
    ~InheritableFile() { CloseHandle(handle_); }
    InheritableFile(const InheritableFile&) = delete;
    InheritableFile& operator=(const InheritableFile&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

ChildResult RunChild(const std::string& commandLine) {
    TempDir dir;
    const std::string outPath = dir.Path() + "\\out.txt";
    const std::string errPath = dir.Path() + "\\err.txt";
    ChildResult result;
    {
        InheritableFile out(outPath), err(errPath);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = out.Get();
        si.hStdError = err.Get();
        PROCESS_INFORMATION pi{};
        std::string line = commandLine;  // CreateProcessA may write into the command line
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                            &pi))
            throw std::runtime_error("cannot start " + commandLine);
        WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        result.exitCode = code;
    }
    result.out = ReadWholeFile(outPath);
    result.err = ReadWholeFile(errPath);
    return result;
}

std::string ExecutableFolder() {
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, n < sizeof path ? n : 0);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace test
