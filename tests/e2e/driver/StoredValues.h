#pragma once
// Registry values read from the outside as they are stored, type and bytes, so that a test sees
// also what a string read hides (REG_EXPAND_SZ against REG_SZ, a trailing separator, the NUL).
#include <windows.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct StoredValue {
    DWORD type = REG_NONE;  // REG_NONE: the value is missing
    std::string data;
    bool operator==(const StoredValue& o) const { return type == o.type && data == o.data; }
    bool operator!=(const StoredValue& o) const { return !(*this == o); }
};
// For test failures: the type and the bytes, NULs shown as \0.
void PrintTo(const StoredValue& value, std::ostream* out);

StoredValue ValueOf(HKEY root, const std::string& key, const std::string& name);
void SetValue(HKEY root, const std::string& key, const std::string& name, const StoredValue& value);
// Every value of the key by name; none when it is missing.
std::map<std::string, StoredValue> AllValues(HKEY root, const std::string& key);
// How many values the key holds; -1 when it is missing.
int ValueCount(HKEY root, const std::string& key);
// The names of the key's subkeys; none when it is missing.
std::vector<std::string> SubKeys(HKEY root, const std::string& key);

}  // namespace e2e
