#include "tests/e2e/driver/RefusedKey.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {
namespace {

// Everyone may do all but create subkeys: the deny entry comes first.
class DenyingDescriptor {
public:
    DenyingDescriptor() {
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone_))
            throw std::runtime_error("no SID for Everyone");
        InitializeAcl(reinterpret_cast<PACL>(list_), sizeof list_, ACL_REVISION);
        AddAccessDeniedAce(reinterpret_cast<PACL>(list_), ACL_REVISION, KEY_CREATE_SUB_KEY, everyone_);
        AddAccessAllowedAce(reinterpret_cast<PACL>(list_), ACL_REVISION, KEY_ALL_ACCESS, everyone_);
        InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&descriptor_, TRUE, reinterpret_cast<PACL>(list_), FALSE);
    }
    ~DenyingDescriptor() { FreeSid(everyone_); }
    DenyingDescriptor(const DenyingDescriptor&) = delete;
    DenyingDescriptor& operator=(const DenyingDescriptor&) = delete;
    PSECURITY_DESCRIPTOR Get() { return &descriptor_; }

private:
    PSID everyone_ = nullptr;
    alignas(DWORD) BYTE list_[256];
    SECURITY_DESCRIPTOR descriptor_;
};

}  // namespace

RefusedKey::RefusedKey(std::string path) : path_(std::move(path)) {
    Remove(path_);
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the key " + path_);
    // Set afterwards: Wine's RegCreateKeyExA passes over the security attributes.
    DenyingDescriptor descriptor;
    const LONG set = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor.Get());
    RegCloseKey(key);
    if (set != ERROR_SUCCESS) {
        Remove(path_);
        throw std::runtime_error("cannot deny the rights on the key " + path_);
    }
}

RefusedKey::~RefusedKey() { Remove(path_); }

// Deleting needs only the right to delete, which the key grants.
void RefusedKey::Remove(const std::string& path) { RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()); }

}  // namespace e2e
