#include "tests/hosts/RegistryFixture.h"

#include <windows.h>

#include <stdexcept>

#include "fixtures/fakeide/FakeRegistry.h"

namespace test {
namespace {

platform::RegistryApi& Api() { return platform::Registry(); }
HKEY Root(RegRoot root) {
    switch (root) {
        case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegRoot::Users: return HKEY_USERS;
        case RegRoot::LocalMachine: break;
    }
    return HKEY_LOCAL_MACHINE;
}

// Straight on Win32: nothing of the platform layer under test.
class RawKey {
public:
    RawKey(RegRoot root, const std::string& path, bool create) {
        const LONG r = create ? RegCreateKeyExA(Root(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                              : RegOpenKeyExA(Root(root), path.c_str(), 0, KEY_ALL_ACCESS, &key_);
        if (r != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RawKey() { if (key_) RegCloseKey(key_); }
    RawKey(const RawKey&) = delete;
    RawKey& operator=(const RawKey&) = delete;
    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

fixture::Hive HiveOf(RegRoot root) {
    switch (root) {
        case RegRoot::CurrentUser: return fixture::Hive::CurrentUser;
        case RegRoot::Users: return fixture::Hive::Users;
        case RegRoot::LocalMachine: break;
    }
    return fixture::Hive::LocalMachine;
}

}  // namespace

void RawSet(RegRoot root, const std::string& key, const std::string& name, uint32_t type, const std::string& bytes) {
    RawKey k(root, key, true);
    if (!k || RegSetValueExA(k.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set " + key + "\\" + name);
}

void RawSetSz(RegRoot root, const std::string& key, const std::string& name, const std::string& text) {
    RawSet(root, key, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

std::optional<RawValue> RawGet(RegRoot root, const std::string& key, const std::string& name) {
    RawKey k(root, key, false);
    DWORD size = 0, type = 0;
    if (!k || RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue v;
    v.data.assign(size, '\0');
    if (size && RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&v.data[0]), &size) !=
                    ERROR_SUCCESS)
        return std::nullopt;
    v.type = type;
    v.data.resize(size);
    return v;
}

std::optional<std::string> RawGetSz(RegRoot root, const std::string& key, const std::string& name) {
    auto v = RawGet(root, key, name);
    if (!v) return std::nullopt;
    EXPECT_EQ(v->type, static_cast<uint32_t>(REG_SZ)) << name;
    std::string text = v->data;
    EXPECT_TRUE(!text.empty() && text.back() == '\0') << name << " is stored without its NUL";
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

bool RawKeyExists(RegRoot root, const std::string& key) { return static_cast<bool>(RawKey(root, key, false)); }

void RawCreateKey(RegRoot root, const std::string& key) {
    if (!RawKey(root, key, true)) throw std::runtime_error("cannot create " + key);
}

void RawDeleteTree(RegRoot root, const std::string& key) { fixture::DeleteTree(HiveOf(root), key, key); }

std::vector<std::string> RawValueNames(RegRoot root, const std::string& key) {
    RawKey k(root, key, false);
    std::vector<std::string> names;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (!k || RegEnumValueA(k.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

OpenKeyCounter::OpenKeyCounter()
    : open(Api().openKey,
           [n = open_, this](platform::Key parent, const std::string& sub, platform::Key* out) {
               long r = open.Original()(parent, sub, out);
               if (r == platform::regerr::Success) ++*n;
               return r;
           }),
      create(Api().createKey,
             [n = open_, this](platform::Key parent, const std::string& sub, platform::Key* out) {
                 long r = create.Original()(parent, sub, out);
                 if (r == platform::regerr::Success) ++*n;
                 return r;
             }),
      close(Api().closeKey, [n = open_, this](platform::Key key) {
          --*n;
          return close.Original()(key);
      }) {}

HostRegistryTest::HostRegistryTest()
    : answerBoxes_(platform::Ui().messageBox, [this](const std::string& text, const std::string& caption, uint32_t flags) {
          boxes.push_back({text, caption, flags});
          return static_cast<int>(platform::mb::IdOk);
      }) {
    ClearKeys();
    hosts::SetHostButtons(&buttons);
    hosts::InstallPath.clear();
    hosts::HostRootPath.clear();
}

HostRegistryTest::~HostRegistryTest() {
    hosts::SetHostButtons(nullptr);
    hosts::InstallPath.clear();
    hosts::HostRootPath.clear();
    ClearKeys();
}

void HostRegistryTest::SelectHost(int index) {
    buttons.checked = {};
    buttons.checked[static_cast<size_t>(index)] = true;
}

void HostRegistryTest::ClearKeys() {
    RawDeleteTree(RegRoot::CurrentUser, kUserBorland);
    RawDeleteTree(RegRoot::LocalMachine, kMachineBorland);
    RawDeleteTree(RegRoot::LocalMachine, kMaltrow);
    RawDeleteTree(RegRoot::LocalMachine, kProbe);
    RawDeleteTree(RegRoot::CurrentUser, "Software\\Korvane Accessor Test");
}

}  // namespace test
