#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "platform/Process.h"

namespace platform {
namespace {

std::vector<char> Writable(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    return buffer;
}

// The one process start. consoleTitle empty: a window program, for which the title must be null.
Handle Start(const std::string& application, const std::string& commandLine, const std::string& consoleTitle,
             bool hidden) {
    std::vector<char> cmd = Writable(commandLine);  // CreateProcessA may write into its command line
    std::vector<char> title = Writable(consoleTitle);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.lpTitle = consoleTitle.empty() ? nullptr : title.data();
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(application.c_str(), cmd.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi))
        return InvalidHandle;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

// The shell may hand a document to a COM handler, which needs COM on the calling thread.
class ComForThisCall {
public:
    ComForThisCall()
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComForThisCall() { if (initialised_) CoUninitialize(); }
    ComForThisCall(const ComForThisCall&) = delete;
    ComForThisCall& operator=(const ComForThisCall&) = delete;

private:
    bool initialised_;
};

bool OpenDocument(const std::string& document) {
    ComForThisCall com;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // The call returns once the program is started, also where a handler would do it later; a
    // failure is reported to the caller rather than in a box of the shell's.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = document.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}

uint64_t InheritableSelfHandle() {
    static HANDLE self = [] {
        HANDLE h = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &h, SYNCHRONIZE, TRUE, 0))
            return HANDLE(nullptr);
        return h;
    }();
    return reinterpret_cast<uintptr_t>(self);
}

bool StartInheriting(const std::string& application, const std::string& commandLine, const std::string& folder) {
    std::vector<char> cmd = Writable(commandLine);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(application.c_str(), cmd.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                        folder.c_str(), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool WaitForInherited(uint64_t handle) {
    HANDLE h = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(handle));
    const bool waited = WaitForSingleObject(h, INFINITE) == WAIT_OBJECT_0;
    CloseHandle(h);
    return waited;
}

ProcessApi MakeWin32Processes() {
    ProcessApi api;
    api.createProcess = Start;
    api.waitForProcess = [](Handle h) -> uint32_t {
        WaitForSingleObject(h, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(h, &code);
        return code;
    };
    api.startProgram = [](const std::string& application, const std::string& commandLine) {
        FileHandle process(Start(application, commandLine, "", false));
        return process.Valid();
    };
    api.openDocument = OpenDocument;
    api.inheritableSelfHandle = InheritableSelfHandle;
    api.startInheriting = StartInheriting;
    api.waitForInherited = WaitForInherited;
    return api;
}

}  // namespace

ProcessApi& Processes() {
    static ProcessApi api = MakeWin32Processes();
    return api;
}

}  // namespace platform
