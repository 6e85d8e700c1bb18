#pragma once
// A key below HKEY_LOCAL_MACHINE that stands there but denies Everyone the creation of subkeys,
// so that nobody can open it with full access, while it may still be deleted. The installer's
// registry accessor opens every key with full access, so to it the key can be neither read nor
// written.
#include <string>

namespace e2e {

class RefusedKey {
public:
    // Creates the key (any earlier one of that path removed first); throws std::runtime_error
    // when it cannot be made so.
    explicit RefusedKey(std::string path);
    ~RefusedKey();
    RefusedKey(const RefusedKey&) = delete;
    RefusedKey& operator=(const RefusedKey&) = delete;

    // Removes the key, also one that a test ended abruptly left behind.
    static void Remove(const std::string& path);

private:
    std::string path_;
};

}  // namespace e2e
