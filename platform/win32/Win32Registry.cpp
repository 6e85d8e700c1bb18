#include <windows.h>

#include <vector>

#include "platform/Registry.h"
#include "platform/Users.h"

namespace platform {
namespace {

HKEY AsHkey(Key k) { return static_cast<HKEY>(k); }

RegistryApi MakeWin32Registry() {
    RegistryApi api;
    api.rootKey = [](RegRoot root) -> Key {
        switch (root) {
            case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
            case RegRoot::Users: return HKEY_USERS;
            case RegRoot::CurrentUser: break;
        }
        return Users().perUserRoot().hive;
    };
    api.openKey = [](Key parent, const std::string& sub, Key* opened) -> long {
        HKEY k = nullptr;
        LONG r = RegOpenKeyExA(AsHkey(parent), sub.c_str(), 0, KEY_ALL_ACCESS, &k);
        *opened = r == ERROR_SUCCESS ? k : nullptr;
        return r;
    };
    api.createKey = [](Key parent, const std::string& sub, Key* created) -> long {
        HKEY k = nullptr;
        DWORD disposition = 0;
        LONG r = RegCreateKeyExA(AsHkey(parent), sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, &k, &disposition);
        *created = r == ERROR_SUCCESS ? k : nullptr;
        return r;
    };
    api.closeKey = [](Key k) -> long { return RegCloseKey(AsHkey(k)); };
    api.queryValue = [](Key k, const std::string& name, uint32_t* type, void* data, uint32_t* size) -> long {
        DWORD t = 0, s = size ? *size : 0;
        LONG r = RegQueryValueExA(AsHkey(k), name.c_str(), nullptr, &t, static_cast<BYTE*>(data), size ? &s : nullptr);
        if (type) *type = t;
        if (size) *size = s;
        return r;
    };
    api.setValue = [](Key k, const std::string& name, uint32_t type, const void* data, uint32_t size) -> long {
        return RegSetValueExA(AsHkey(k), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    };
    api.deleteValue = [](Key k, const std::string& name) -> long { return RegDeleteValueA(AsHkey(k), name.c_str()); };
    api.deleteKey = [](Key parent, const std::string& sub) -> long { return RegDeleteKeyA(AsHkey(parent), sub.c_str()); };
    api.queryInfoKey = [](Key k, uint32_t* subKeys, uint32_t* maxSubKeyLen, uint32_t* values,
                          uint32_t* maxValueNameLen) -> long {
        DWORD sk = 0, msk = 0, v = 0, mvn = 0;
        LONG r = RegQueryInfoKeyA(AsHkey(k), nullptr, nullptr, nullptr, &sk, &msk, nullptr, &v, &mvn, nullptr, nullptr,
                                  nullptr);
        if (subKeys) *subKeys = sk;
        if (maxSubKeyLen) *maxSubKeyLen = msk;
        if (values) *values = v;
        if (maxValueNameLen) *maxValueNameLen = mvn;
        return r;
    };
    api.enumValue = [](Key k, uint32_t index, std::string* name) -> long {
        std::vector<char> buf(16384 + 1);
        DWORD n = static_cast<DWORD>(buf.size());
        LONG r = RegEnumValueA(AsHkey(k), index, buf.data(), &n, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_SUCCESS) name->assign(buf.data(), n);
        return r;
    };
    api.enumKey = [](Key k, uint32_t index, std::string* name) -> long {
        char buf[256];
        DWORD n = sizeof buf;
        LONG r = RegEnumKeyExA(AsHkey(k), index, buf, &n, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_SUCCESS) name->assign(buf, n);
        return r;
    };
    return api;
}

}  // namespace

RegistryApi& Registry() {
    static RegistryApi api = MakeWin32Registry();
    return api;
}

}  // namespace platform
