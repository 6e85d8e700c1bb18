#include "rtl/Registry.h"

#include <cstring>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace rtl {
namespace {

platform::RegistryApi& Api() { return platform::Registry(); }

// A key handle that is closed when it goes, for the keys an operation opens only for itself.
class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey() { if (key_) Api().closeKey(key_); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    platform::Key* Out() { return &key_; }
    platform::Key Get() const { return key_; }
    platform::Key Release() { platform::Key k = key_; key_ = nullptr; return k; }

private:
    platform::Key key_ = nullptr;
};

bool IsRelative(const std::string& path) { return path.empty() || path[0] != '\\'; }

// The path as the system call wants it: a leading backslash only says "from the root".
std::string SystemPath(const std::string& path) { return IsRelative(path) ? path : path.substr(1); }

}  // namespace

TRegistry::TRegistry(platform::RegRoot root) : root_(root) {}

TRegistry::~TRegistry() { CloseKey(); }

platform::Key TRegistry::BaseKey(bool relative) const {
    return relative && current_ ? current_ : Api().rootKey(root_);
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    const bool relative = IsRelative(path);
    const std::string sub = SystemPath(path);
    ScopedKey opened;
    long r = canCreate ? Api().createKey(BaseKey(relative), sub, opened.Out())
                       : Api().openKey(BaseKey(relative), sub, opened.Out());
    if (r != platform::regerr::Success || !opened.Get()) return false;
    CloseKey();
    current_ = opened.Release();
    return true;
}

void TRegistry::CloseKey() {
    if (current_) Api().closeKey(current_);
    current_ = nullptr;
}

bool TRegistry::CreateKey(const std::string& path) {
    ScopedKey created;
    return Api().createKey(BaseKey(IsRelative(path)), SystemPath(path), created.Out()) == platform::regerr::Success &&
           created.Get();
}

bool TRegistry::DeleteKey(const std::string& path) { return DeleteKeyBelow(BaseKey(IsRelative(path)), SystemPath(path)); }

bool TRegistry::DeleteKeyBelow(platform::Key parent, const std::string& subKey) {
    {
        ScopedKey opened;
        if (Api().openKey(parent, subKey, opened.Out()) == platform::regerr::Success && opened.Get()) {
            // Names first: deleting while enumerating by index would skip keys.
            std::vector<std::string> children;
            std::string name;
            for (uint32_t i = 0; Api().enumKey(opened.Get(), i, &name) == platform::regerr::Success; ++i)
                children.push_back(name);
            for (const std::string& child : children) DeleteKeyBelow(opened.Get(), child);
        }
    }
    return Api().deleteKey(parent, subKey) == platform::regerr::Success;
}

std::string TRegistry::ReadString(const std::string& name) {
    if (!current_) return "";
    uint32_t type = platform::regtype::None;
    uint32_t size = 0;
    if (Api().queryValue(current_, name, &type, nullptr, &size) != platform::regerr::Success || size == 0) return "";

    std::string data(size, '\0');
    uint32_t got = size;
    if (Api().queryValue(current_, name, &type, &data[0], &got) != platform::regerr::Success)
        throw ERegistryException(Format(consts::SRegGetDataFailed, name));
    if (type != platform::regtype::Sz && type != platform::regtype::ExpandSz)
        throw ERegistryException(Format(consts::SInvalidRegType, name));
    data.resize(got < size ? got : size);
    data.resize(std::strlen(data.c_str()));  // the text ends at its first NUL
    return data;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    WriteValue(name, {platform::regtype::Sz, value + '\0'});  // with its NUL
}

void TRegistry::WriteInteger(const std::string& name, uint32_t value) {
    WriteValue(name, {platform::regtype::DWord, std::string(reinterpret_cast<const char*>(&value), sizeof value)});
}

RegistryValue TRegistry::ReadValue(const std::string& name) {
    RegistryValue value;
    uint32_t size = 0;
    if (!current_ || Api().queryValue(current_, name, &value.type, nullptr, &size) != platform::regerr::Success)
        return {};
    value.data.resize(size);
    uint32_t got = size;
    if (size > 0 && Api().queryValue(current_, name, &value.type, &value.data[0], &got) != platform::regerr::Success)
        throw ERegistryException(Format(consts::SRegGetDataFailed, name));
    value.data.resize(got < size ? got : size);
    return value;
}

void TRegistry::WriteValue(const std::string& name, const RegistryValue& value) {
    if (!current_ || Api().setValue(current_, name, value.type, value.data.data(),
                                    static_cast<uint32_t>(value.data.size())) != platform::regerr::Success)
        throw ERegistryException(Format(consts::SRegSetDataFailed, name));
}

bool TRegistry::DeleteValue(const std::string& name) {
    return current_ && Api().deleteValue(current_, name) == platform::regerr::Success;
}

std::vector<std::string> TRegistry::GetValueNames() {
    std::vector<std::string> names;
    uint32_t count = 0;
    if (!current_ || Api().queryInfoKey(current_, nullptr, nullptr, &count, nullptr) != platform::regerr::Success)
        return names;
    std::string name;
    for (uint32_t i = 0; i < count && Api().enumValue(current_, i, &name) == platform::regerr::Success; ++i)
        names.push_back(name);
    return names;
}

std::vector<std::string> TRegistry::GetKeyNames() {
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; current_ && Api().enumKey(current_, i, &name) == platform::regerr::Success; ++i)
        names.push_back(name);
    return names;
}

}  // namespace rtl
