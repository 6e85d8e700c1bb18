#pragma once
// A user without the right to create keys below HKEY_LOCAL_MACHINE\SOFTWARE, as the installer's
// permission probe finds it: the probe's key "Maltrow Software Test" stands there already and
// denies Everyone the creation of subkeys, so it cannot be opened with full access. (Wine does not
// check the parent's rights when a key is created, so a denial on SOFTWARE itself would not show.)
#include <memory>

namespace e2e {

class RefusedKey;

class SoftwareKeysDenied {
public:
    SoftwareKeysDenied();
    ~SoftwareKeysDenied();
    SoftwareKeysDenied(const SoftwareKeysDenied&) = delete;
    SoftwareKeysDenied& operator=(const SoftwareKeysDenied&) = delete;

    // Removes the key, also one that a test ended abruptly left behind.
    static void Allow();

private:
    std::unique_ptr<RefusedKey> key_;
};

}  // namespace e2e
