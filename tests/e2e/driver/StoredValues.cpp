#include "tests/e2e/driver/StoredValues.h"

#include <stdexcept>

namespace e2e {

void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << "type " << value.type << " \"";
    for (char c : value.data) {
        if (c == '\0') *out << "\\0";
        else *out << c;
    }
    *out << '"';
}

StoredValue ValueOf(HKEY root, const std::string& key, const std::string& name) {
    StoredValue value;
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(k, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        RegQueryValueExA(k, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size);
    }
    RegCloseKey(k);
    return value;
}

void SetValue(HKEY root, const std::string& key, const std::string& name, const StoredValue& value) {
    HKEY k;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open " + key);
    const LONG rc = RegSetValueExA(k, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                                   static_cast<DWORD>(value.data.size()));
    RegCloseKey(k);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("cannot set " + key + "\\" + name);
}

std::map<std::string, StoredValue> AllValues(HKEY root, const std::string& key) {
    std::map<std::string, StoredValue> values;
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        char name[1024];
        DWORD nameLength = sizeof name;
        if (RegEnumValueA(k, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        values[name] = ValueOf(root, key, name);
    }
    RegCloseKey(k);
    return values;
}

int ValueCount(HKEY root, const std::string& key) {
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return -1;
    DWORD count = 0;
    RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(k);
    return static_cast<int>(count);
}

std::vector<std::string> SubKeys(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &k) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(k, i, name, sizeof name) == ERROR_SUCCESS; ++i) names.push_back(name);
    RegCloseKey(k);
    return names;
}

}  // namespace e2e
