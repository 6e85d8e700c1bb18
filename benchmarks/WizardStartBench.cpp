// Time from starting an installer to its visible wizard window (class "TMainForm"), measured
// under the same Wine as the installer runs; the installer is then ended. Prints one time a run.
//
// Usage: wizard_start_bench INSTALL_EXE [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool WizardVisible(DWORD processId) {
    for (HWND w = FindWindowA("TMainForm", nullptr); w; w = FindWindowExA(nullptr, w, "TMainForm", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) return true;
    }
    return false;
}

// Seconds until the wizard shows; negative when the installer ends first or takes over a minute.
double TimeOneStart(const std::string& exe) {
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double seconds = -1;
    while (Now() - start < 60) {
        if (WizardVisible(process.dwProcessId)) {
            seconds = Now() - start;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: wizard_start_bench INSTALL_EXE [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    for (int i = 0; i < runs; ++i) {
        const double seconds = TimeOneStart(argv[1]);
        if (seconds < 0) {
            std::fprintf(stderr, "%s: no visible wizard window\n", argv[1]);
            return 1;
        }
        std::printf("%.3f\n", seconds);
        std::fflush(stdout);
    }
    return 0;
}
