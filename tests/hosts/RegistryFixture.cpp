#include "tests/hosts/RegistryFixture.h"

#include <stdexcept>

namespace test {
namespace {

platform::RegistryApi& Api() { return platform::Registry(); }
platform::Key Root(RegRoot root) { return Api().rootKey(root); }

class RawKey {
public:
    RawKey(RegRoot root, const std::string& path, bool create) {
        long r = create ? Api().createKey(Root(root), path, &key_) : Api().openKey(Root(root), path, &key_);
        if (r != platform::regerr::Success) key_ = nullptr;
    }
    ~RawKey() { if (key_) Api().closeKey(key_); }
    RawKey(const RawKey&) = delete;
    RawKey& operator=(const RawKey&) = delete;
    platform::Key Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    platform::Key key_ = nullptr;
};

void DeleteTreeBelow(platform::Key parent, const std::string& sub) {
    platform::Key key = nullptr;
    if (Api().openKey(parent, sub, &key) != platform::regerr::Success) return;
    std::vector<std::string> children;
    std::string name;
    for (uint32_t i = 0; Api().enumKey(key, i, &name) == platform::regerr::Success; ++i) children.push_back(name);
    for (const std::string& child : children) DeleteTreeBelow(key, child);
    Api().closeKey(key);
    Api().deleteKey(parent, sub);
}

}  // namespace

void RawSet(RegRoot root, const std::string& key, const std::string& name, uint32_t type, const std::string& bytes) {
    RawKey k(root, key, true);
    if (!k || Api().setValue(k.Get(), name, type, bytes.data(), static_cast<uint32_t>(bytes.size())) != 0)
        throw std::runtime_error("cannot set " + key + "\\" + name);
}

void RawSetSz(RegRoot root, const std::string& key, const std::string& name, const std::string& text) {
    RawSet(root, key, name, platform::regtype::Sz, std::string(text.c_str(), text.size() + 1));
}

std::optional<RawValue> RawGet(RegRoot root, const std::string& key, const std::string& name) {
    RawKey k(root, key, false);
    uint32_t size = 0;
    RawValue v;
    if (!k || Api().queryValue(k.Get(), name, &v.type, nullptr, &size) != 0) return std::nullopt;
    v.data.assign(size, '\0');
    if (size && Api().queryValue(k.Get(), name, &v.type, &v.data[0], &size) != 0) return std::nullopt;
    v.data.resize(size);
    return v;
}

std::optional<std::string> RawGetSz(RegRoot root, const std::string& key, const std::string& name) {
    auto v = RawGet(root, key, name);
    if (!v) return std::nullopt;
    EXPECT_EQ(v->type, platform::regtype::Sz) << name;
    std::string text = v->data;
    EXPECT_TRUE(!text.empty() && text.back() == '\0') << name << " is stored without its NUL";
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

bool RawKeyExists(RegRoot root, const std::string& key) { return static_cast<bool>(RawKey(root, key, false)); }

void RawCreateKey(RegRoot root, const std::string& key) {
    if (!RawKey(root, key, true)) throw std::runtime_error("cannot create " + key);
}

void RawDeleteTree(RegRoot root, const std::string& key) { DeleteTreeBelow(Root(root), key); }

std::vector<std::string> RawValueNames(RegRoot root, const std::string& key) {
    RawKey k(root, key, false);
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; k && Api().enumValue(k.Get(), i, &name) == platform::regerr::Success; ++i)
        names.push_back(name);
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
