#pragma once
// The registry accessor. One object serves one operation: it opens keys below its root, reads and
// writes string values, and closes whatever it opened when it goes, also when an error passes.
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace rtl {

// A value as the registry stores it: its type and its bytes (a string's with its NUL). Type
// None stands for a value that is not there.
struct RegistryValue {
    uint32_t type = platform::regtype::None;
    std::string data;
    bool Exists() const { return type != platform::regtype::None; }
    bool operator==(const RegistryValue& o) const { return type == o.type && data == o.data; }
    bool operator!=(const RegistryValue& o) const { return !(*this == o); }
};

class TRegistry {
public:
    // The per-user root (platform/Users.h) unless another root is chosen.
    explicit TRegistry(platform::RegRoot root = platform::RegRoot::CurrentUser);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Opens a key with full access, also for reading. A path with a leading backslash starts at
    // the root; one without starts at the key opened last (or the root when none is open).
    // With canCreate, the key and any missing keys above it are created. On success the new key
    // replaces the open one; on failure the open key stays and the result is false.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();

    // Creates a key by the same path rules and closes it again at once; never raises.
    bool CreateKey(const std::string& path);
    // Deletes a key by the same path rules with all its subkeys, deepest first.
    bool DeleteKey(const std::string& path);

    // A missing value or one of size 0 reads as "". REG_SZ and REG_EXPAND_SZ (not expanded)
    // up to the first NUL; any other type raises ERegistryException.
    std::string ReadString(const std::string& name);
    // Stores REG_SZ, the text and its NUL; ERegistryException when the system refuses.
    void WriteString(const std::string& name, const std::string& value);
    bool DeleteValue(const std::string& name);
    // Stores a REG_DWORD; ERegistryException as WriteString.
    void WriteInteger(const std::string& name, uint32_t value);
    // The value of any type as stored; type None when it is missing or no key is open.
    // ERegistryException "Failed to get data for '%s'" when it cannot be read.
    RegistryValue ReadValue(const std::string& name);
    // Stores the type and bytes as given; ERegistryException as WriteString.
    void WriteValue(const std::string& name, const RegistryValue& value);
    // The open key's value names in the registry's enumeration order.
    std::vector<std::string> GetValueNames();
    // The open key's subkey names in the same way.
    std::vector<std::string> GetKeyNames();

private:
    // The key a path starts from.
    platform::Key BaseKey(bool relative) const;
    bool DeleteKeyBelow(platform::Key parent, const std::string& subKey);

    platform::RegRoot root_;
    platform::Key current_ = nullptr;
};

}  // namespace rtl
