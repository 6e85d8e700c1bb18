#include <windows.h>
#include <sddl.h>

#include <vector>

#include "platform/Users.h"

namespace platform {
namespace {

constexpr DWORD ProcessQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION, Vista on

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    void Reset(HANDLE handle = nullptr) {
        if (handle_) CloseHandle(handle_);
        handle_ = handle;
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// A process's TOKEN_USER, empty when its token cannot be opened or read.
std::vector<BYTE> ProcessUser(HANDLE process) {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &opened)) return {};
    OwnedHandle token(opened);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (size == 0 || !GetTokenInformation(token.Get(), TokenUser, user.data(), size, &size)) return {};
    return user;
}

PSID SidOf(const std::vector<BYTE>& tokenUser) {
    return reinterpret_cast<const TOKEN_USER*>(tokenUser.data())->User.Sid;
}

std::string SidString(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return "";
    std::string result(text);
    LocalFree(text);
    return result;
}

// Querying a process's token needs the full query right before Vista and at least the limited one
// (which Vista brought) after it.
HANDLE OpenForQuery(DWORD processId) {
    for (DWORD access : {DWORD(PROCESS_QUERY_INFORMATION), ProcessQueryLimitedInformation})
        if (HANDLE process = OpenProcess(access, FALSE, processId)) return process;
    return nullptr;
}

// SeDebugPrivilege enabled for the scope, where this process's token holds it, and put back as it
// was at the end. Only an administrator's token holds it, disabled until enabled.
class DebugPrivilegeEnabled {
public:
    DebugPrivilegeEnabled() {
        HANDLE opened = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened)) return;
        token_.Reset(opened);
        TOKEN_PRIVILEGES wanted{};
        wanted.PrivilegeCount = 1;
        wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (!LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &wanted.Privileges[0].Luid)) return;
        DWORD size = sizeof previous_;
        // Succeeds without enabling anything where the token lacks the privilege.
        enabled_ = AdjustTokenPrivileges(token_.Get(), FALSE, &wanted, sizeof previous_, &previous_, &size) &&
                   GetLastError() == ERROR_SUCCESS;
    }
    ~DebugPrivilegeEnabled() {
        if (enabled_) AdjustTokenPrivileges(token_.Get(), FALSE, &previous_, 0, nullptr, nullptr);
    }
    DebugPrivilegeEnabled(const DebugPrivilegeEnabled&) = delete;
    DebugPrivilegeEnabled& operator=(const DebugPrivilegeEnabled&) = delete;
    bool Enabled() const { return enabled_; }

private:
    OwnedHandle token_;
    TOKEN_PRIVILEGES previous_{};
    bool enabled_ = false;
};

// The shell's process runs as the user at the desktop. Where this process runs as that user too,
// its own rights open that process and token. Where an administrator's credentials elevated this
// process, the shell's process and token belong to another account, whose DACLs need not let the
// administrator in; the administrator's token holds SeDebugPrivilege, which lets a process be
// opened whatever its DACL. It is enabled only for this lookup, and only when the plain attempt
// was refused, so that the installer does nothing else with it. Any failure leaves the desktop
// user unknown, and the caller falls back to HKEY_CURRENT_USER.
DesktopUser FindDesktopUser() {
    HWND shell = GetShellWindow();
    DWORD processId = 0;
    if (!shell || !GetWindowThreadProcessId(shell, &processId) || processId == 0) return {};
    OwnedHandle process(OpenForQuery(processId));
    std::vector<BYTE> user = process.Get() ? ProcessUser(process.Get()) : std::vector<BYTE>{};
    if (user.empty()) {
        DebugPrivilegeEnabled debug;
        if (debug.Enabled()) {
            process.Reset(OpenForQuery(processId));
            if (process.Get()) user = ProcessUser(process.Get());
        }
    }
    if (user.empty()) return {};
    const std::vector<BYTE> own = ProcessUser(GetCurrentProcess());
    return {SidString(SidOf(user)), !own.empty() && EqualSid(SidOf(user), SidOf(own))};
}

UsersApi MakeWin32Users() {
    UsersApi api;
    api.desktopUser = FindDesktopUser;
    api.processUserSid = [] {
        const std::vector<BYTE> own = ProcessUser(GetCurrentProcess());
        return own.empty() ? std::string() : SidString(SidOf(own));
    };
    // Once per process: every step of one installation writes to the same hive.
    api.perUserRoot = [] {
        static const PerUserRoot decided = ChoosePerUserRoot();
        return decided;
    };
    return api;
}

}  // namespace

UsersApi& Users() {
    static UsersApi api = MakeWin32Users();
    return api;
}

PerUserRoot ChoosePerUserRoot() {
    const DesktopUser desktop = Users().desktopUser();
    if (!desktop.sid.empty() && !desktop.isProcessUser) {
        RegistryApi& registry = Registry();
        Key hive = nullptr;
        // Not loaded (or refused): the settings cannot reach that user, so they stay with this one.
        if (registry.openKey(registry.rootKey(RegRoot::Users), desktop.sid, &hive) == regerr::Success && hive)
            return {hive, desktop.sid};
    }
    return {HKEY_CURRENT_USER, Users().processUserSid()};
}

std::string PerUserRootSid() { return Users().perUserRoot().sid; }

}  // namespace platform
