#pragma once
// Whose registry hive holds the per-user settings. An installer that a standard user elevates
// with an administrator's credentials runs as that administrator: its HKEY_CURRENT_USER is the
// administrator's hive, while the IDE that will load the suite reads the hive of the user at the
// desktop. The per-user root is therefore the desktop user's hive, HKEY_USERS\<SID>, and
// HKEY_CURRENT_USER where that user is this process's own or cannot be found.
#include <functional>
#include <string>

#include "platform/Registry.h"

namespace platform {

// The user who owns the desktop: the token user of the shell window's process.
struct DesktopUser {
    std::string sid;             // "S-1-5-21-..."; empty: no shell window, or its process or token unreadable
    bool isProcessUser = false;  // the same user as this process's (EqualSid)
};

// The per-user root and the user it belongs to.
struct PerUserRoot {
    Key hive = nullptr;  // HKEY_USERS\<sid> opened with full access, or HKEY_CURRENT_USER
    std::string sid;     // that hive's user; empty only where not even this process's user is known
};

struct UsersApi {
    std::function<DesktopUser()> desktopUser;
    // This process's token user as a SID string; empty when it cannot be read.
    std::function<std::string()> processUserSid;
    // The per-user root of this process: decided at its first use and kept to the end.
    std::function<PerUserRoot()> perUserRoot;
};

UsersApi& Users();

// Decides the per-user root afresh from the two lookups above: the desktop user's hive where
// that user is another one and the hive is loaded; otherwise HKEY_CURRENT_USER and this
// process's user. A hive opened here stays open for as long as the process uses it.
PerUserRoot ChoosePerUserRoot();

// The SID of the hive that serves as the per-user root (Users().perUserRoot().sid).
std::string PerUserRootSid();

}  // namespace platform
