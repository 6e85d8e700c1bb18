#pragma once
// Shared ground for the host integration tests: direct registry access that bypasses the
// accessor under test, a plain holder of the six host buttons, a recorder of warning boxes and a
// fixture that clears the keys the steps touch before and after every test.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "hosts/HostSelection.h"
#include "platform/Registry.h"
#include "platform/Seam.h"
#include "platform/Ui.h"
#include "rtl/Exceptions.h"

namespace test {

using platform::RegRoot;

// Straight on Win32, so that setting up and checking depends neither on the accessor nor on the
// platform layer being tested. Paths are below the root, without a leading backslash.
struct RawValue {
    uint32_t type = 0;
    std::string data;  // the stored bytes, terminating NUL included
};
void RawSet(RegRoot root, const std::string& key, const std::string& name, uint32_t type, const std::string& bytes);
void RawSetSz(RegRoot root, const std::string& key, const std::string& name, const std::string& text);
std::optional<RawValue> RawGet(RegRoot root, const std::string& key, const std::string& name);
// A REG_SZ value's text without its NUL; nullopt when missing.
std::optional<std::string> RawGetSz(RegRoot root, const std::string& key, const std::string& name);
bool RawKeyExists(RegRoot root, const std::string& key);
void RawCreateKey(RegRoot root, const std::string& key);
void RawDeleteTree(RegRoot root, const std::string& key);
std::vector<std::string> RawValueNames(RegRoot root, const std::string& key);

class HostButtons : public hosts::IHostButtons {
public:
    std::array<bool, hosts::HostCount> checked{};
    bool IsChecked(int hostIndex) const override { return checked[static_cast<size_t>(hostIndex)]; }
};

struct MessageBoxCall {
    std::string text, caption;
    uint32_t flags;
};

// Counts the keys that are open: every successful open or create adds one, every close takes
// one away. Root keys are never closed, so a balanced run ends at zero.
class OpenKeyCounter {
public:
    OpenKeyCounter();
    int Open() const { return *open_; }

private:
    std::shared_ptr<int> open_ = std::make_shared<int>(0);
    platform::ScopedOverride<decltype(platform::RegistryApi::openKey)> open;
    platform::ScopedOverride<decltype(platform::RegistryApi::createKey)> create;
    platform::ScopedOverride<decltype(platform::RegistryApi::closeKey)> close;
};

// Clears the keys that the steps use (the IDEs' keys for the current user and the machine, the
// product record, the probe key) before and after each test, selects no host and empties the
// two folders. Message boxes are recorded and answered with OK, never shown.
class HostRegistryTest : public ::testing::Test {
protected:
    HostRegistryTest();
    ~HostRegistryTest() override;
    void SelectHost(int index);

    std::vector<MessageBoxCall> boxes;
    HostButtons buttons;

private:
    static void ClearKeys();
    platform::ScopedOverride<decltype(platform::UiApi::messageBox)> answerBoxes_;
};

// Replaces one platform operation for the caller's scope; takes a plain lambda.
template <class Fn, class Replacement>
platform::ScopedOverride<Fn> Override(Fn& slot, Replacement replacement) {
    return platform::ScopedOverride<Fn>(slot, Fn(std::move(replacement)));
}

// Root runs Wine here, so HKEY_LOCAL_MACHINE is always writable; a refused create stands in for a
// user without those rights.
inline platform::ScopedOverride<decltype(platform::RegistryApi::createKey)> RefuseCreateKey() {
    return Override(platform::Registry().createKey, [](platform::Key, const std::string&, platform::Key* out) -> long {
        *out = nullptr;
        return platform::regerr::AccessDenied;
    });
}

// Runs fn and expects it to raise a registry error with exactly this message.
template <class Fn>
void ExpectRegistryError(Fn&& fn, const std::string& message) {
    try {
        fn();
        ADD_FAILURE() << "no error; expected \"" << message << "\"";
    } catch (const rtl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

// The real key paths the steps use, below their roots.
inline const std::string kUserBorland = "Software\\Borland";
inline const std::string kMachineBorland = "SOFTWARE\\Borland";
inline const std::string kMaltrow = "SOFTWARE\\Maltrow Software";
inline const std::string kProbe = "SOFTWARE\\Maltrow Software Test";
inline std::string ProductKey(const std::string& hostName) { return "SOFTWARE\\Maltrow Software\\Korvane\\" + hostName; }

}  // namespace test
