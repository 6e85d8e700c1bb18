#include <windows.h>

#include <string>

#include "platform/DllSearch.h"

namespace platform {
namespace {

// The DLLs that Windows or its own DLLs load by name after the program has started (themes, user
// profiles, setup, compatibility, property and window services, crypto, accessibility, COM's
// catalogue, access control, version records); each where the system has it.
const char* const kLateLoadedDlls[] = {"uxtheme",   "userenv", "setupapi", "apphelp", "propsys", "dwmapi",
                                       "cryptbase", "oleacc",  "clbcatq",  "ntmarta", "version"};

constexpr DWORD LoadLibrarySearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryAFn = BOOL(WINAPI*)(LPCSTR);

// Looked up rather than imported: Windows XP refuses to start a program that imports a function
// it lacks (SetDllDirectoryA came with XP SP1, SetDefaultDllDirectories with Windows 7 updates).
template <class Fn>
Fn KernelFunction(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

bool WindowsSevenOrLater() {
    const DWORD version = GetVersion();
    const BYTE major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
    return major > 6 || (major == 6 && minor >= 1);
}

bool SearchSystemFolderOnly() {
    if (!WindowsSevenOrLater()) return false;
    const auto setDefaultDllDirectories = KernelFunction<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories");
    return setDefaultDllDirectories && setDefaultDllDirectories(LoadLibrarySearchSystem32);
}

void PreloadFromSystemFolder() {
    if (const auto setDllDirectory = KernelFunction<SetDllDirectoryAFn>("SetDllDirectoryA")) setDllDirectory("");
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return;
    // A DLL that a system lacks fails quietly, without the loader's error box.
    const UINT savedMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (const char* name : kLateLoadedDlls)
        LoadLibraryA((std::string(folder, length) + "\\" + name + ".dll").c_str());
    SetErrorMode(savedMode);
}

}  // namespace

void LoadDllsFromSystemFolderOnly() {
    if (!SearchSystemFolderOnly()) PreloadFromSystemFolder();
}

}  // namespace platform
