#include <windows.h>
#include <sddl.h>

#include <vector>

#include "platform/UserAccount.h"

namespace platform {

std::string ProcessUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return "";
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size ? size : 1);
    const bool read = size && GetTokenInformation(token, TokenUser, user.data(), size, &size);
    CloseHandle(token);
    char* text = nullptr;
    if (!read || !ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) return "";
    std::string sid = text;
    LocalFree(text);
    return sid;
}

}  // namespace platform
