#pragma once
// The registry, Win32-shaped. Keys are opaque; results are Win32 error codes (0 is success).
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

using Key = void*;
// CurrentUser is the per-user root (platform/Users.h): the desktop user's hive, which is
// HKEY_CURRENT_USER unless an administrator's credentials elevated the process.
enum class RegRoot { CurrentUser, LocalMachine, Users };
namespace regtype { enum : uint32_t { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, DWord = 4 }; }
namespace regerr { enum : long { Success = 0, FileNotFound = 2, AccessDenied = 5, MoreData = 234, NoMoreItems = 259 }; }

struct RegistryApi {
    std::function<Key(RegRoot)> rootKey;
    // RegOpenKeyExA with KEY_ALL_ACCESS.
    std::function<long(Key parent, const std::string& subKey, Key* opened)> openKey;
    // RegCreateKeyExA, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS.
    std::function<long(Key parent, const std::string& subKey, Key* created)> createKey;
    std::function<long(Key)> closeKey;
    // RegQueryValueExA: data may be null to ask for the size only.
    std::function<long(Key, const std::string& name, uint32_t* type, void* data, uint32_t* size)> queryValue;
    // RegSetValueExA.
    std::function<long(Key, const std::string& name, uint32_t type, const void* data, uint32_t size)> setValue;
    std::function<long(Key, const std::string& name)> deleteValue;
    std::function<long(Key parent, const std::string& subKey)> deleteKey;
    // RegQueryInfoKeyA: counts and the longest names (without terminator).
    std::function<long(Key, uint32_t* subKeys, uint32_t* maxSubKeyLen, uint32_t* values, uint32_t* maxValueNameLen)>
        queryInfoKey;
    // RegEnumValueA / RegEnumKeyExA by index: the name only.
    std::function<long(Key, uint32_t index, std::string* name)> enumValue;
    std::function<long(Key, uint32_t index, std::string* name)> enumKey;
};

RegistryApi& Registry();

}  // namespace platform
