#include "tests/e2e/driver/FullVolume.h"

#include <windows.h>

#include <stdexcept>

#include "tests/e2e/driver/Wait.h"
#include "tests/support/TempDir.h"

namespace e2e {
namespace {

// The Unix path of a Windows path, through Wine's own export.
std::string UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    static const auto toUnix =
        reinterpret_cast<ToUnix>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) throw std::runtime_error("not running under Wine");
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = toUnix(wide.c_str());
    if (!unix) throw std::runtime_error("no Unix path for " + windowsPath);
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

// The prefix's folder of drive links: C: is a link in it, or the prefix's drive_c beside it.
std::string DosDevicesFolder() {
    std::string c = UnixPath("C:\\");
    while (!c.empty() && c.back() == '/') c.pop_back();
    const std::string parent = c.substr(0, c.rfind('/'));
    return c.substr(c.rfind('/') + 1) == "c:" ? parent : parent + "/dosdevices";
}

char FreeDriveLetter() {
    for (char letter = 'K'; letter <= 'Y'; ++letter)
        if (GetDriveTypeA((std::string(1, letter) + ":\\").c_str()) == DRIVE_NO_ROOT_DIR) return letter;
    throw std::runtime_error("no free drive letter");
}

}  // namespace

FullVolume::FullVolume(const std::string& scratchFolder, unsigned bytes) : scratch_(scratchFolder) {
    test::MakeFolders(scratch_);
    folder_ = UnixPath(scratch_) + "/volume";
    letter_ = FreeDriveLetter();
    link_ = DosDevicesFolder() + "/" + static_cast<char>(letter_ - 'A' + 'a') + ":";
    const std::string status = RunScript("mount \"" + folder_ + "\" " + std::to_string(bytes) + " \"" + link_ + "\"");
    mounted_ = status == "mounted";
    if (!mounted_) refusal_ = status;
    else WaitUntil([&] { return GetDriveTypeA(Root().c_str()) != DRIVE_NO_ROOT_DIR; }, "the drive " + Root());
}

FullVolume::~FullVolume() {
    try {
        RunScript("unmount \"" + folder_ + "\" \"" + link_ + "\"");
    } catch (const std::exception&) {
        // Nothing more to do here; the next mount of the folder unmounts what stayed.
    }
}

std::string FullVolume::RunScript(const std::string& arguments) {
    const std::string status = scratch_ + "\\status";
    DeleteFileA(status.c_str());
    std::string command = "bash \"" + UnixPath(KV_FULL_VOLUME_SCRIPT) + "\" " + arguments + " \"" + UnixPath(status) + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA("Z:\\bin\\bash", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        throw std::runtime_error("cannot start bash");
    // A Unix program comes without handles to wait on.
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    WaitUntil([&] { return test::FileExists(status); }, "tools/full-volume.sh " + arguments.substr(0, arguments.find(' ')));
    std::string result = test::ReadWholeFile(status);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
    return result;
}

}  // namespace e2e
