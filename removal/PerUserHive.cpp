#include "removal/PerUserHive.h"

#include "platform/UserAccount.h"

namespace removal {

std::string PerUserHiveSid() { return platform::ProcessUserSid(); }

}  // namespace removal
