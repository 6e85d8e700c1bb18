// The per-user root: the hive of another user at the desktop receives the IDE's settings while the
// process's own hive stays as it was; where that user cannot be reached, HKEY_CURRENT_USER; and
// the real lookup, which under Wine finds the process's own user.
#include <gtest/gtest.h>

#include <windows.h>

#include "fixtures/fakeide/FakeRegistry.h"
#include "fixtures/fakeide/OtherDesktopUser.h"
#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "platform/Users.h"
#include "tests/hosts/RegistryFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/WaitFor.h"

namespace {

using fixture::Hive;
using fixture::OtherDesktopUser;
using Values = std::vector<std::pair<std::string, std::string>>;

constexpr int kDelphi6 = 2;
const std::string kLibrary = "Software\\Borland\\Delphi\\6.0\\Library";
const std::string kPackages = "Software\\Borland\\Delphi\\6.0\\Known Packages";

class PerUserRoot : public test::HostRegistryTest {
protected:
    PerUserRoot() {
        SelectHost(kDelphi6);
        hosts::InstallPath = "D:\\Korvane\\d6";
        hosts::HostRootPath = "C:\\D6";
    }
    ~PerUserRoot() override { fixture::DeleteTree(Hive::CurrentUser, "Software\\Borland", "Software"); }
};

TEST_F(PerUserRoot, AnotherUserAtTheDesktopGetsTheSettingsAndTheProcessUsersHiveStaysAsItWas) {
    // The administrator has started Delphi 6 too: a wrong root would find keys to change.
    fixture::SetString(Hive::CurrentUser, kLibrary, "Search Path", "$(DELPHI)\\Lib;C:\\Admin\\Lib");
    fixture::SetString(Hive::CurrentUser, kPackages, "C:\\Old\\Lib\\dclkv40d6.bpl", "Korvane 4.0 package");
    OtherDesktopUser developer;
    fixture::SetString(Hive::Users, OtherDesktopUser::Key(kLibrary), "Search Path", "$(DELPHI)\\Lib;$(DELPHI)\\Bin");
    fixture::SetString(Hive::Users, OtherDesktopUser::Key(kPackages), "$(DELPHI)\\Bin\\dclstd60.bpl",
                       "Borland Standard Components");
    fixture::SetString(Hive::Users, OtherDesktopUser::Key(kPackages), "E:\\Old\\Lib\\DCLKV31D6.BPL",
                       "Korvane 3.1 package");
    const std::string processUsersHive = fixture::Dump(Hive::CurrentUser);

    hosts::RegisterLibraryPath();
    hosts::RegisterPackage();

    EXPECT_EQ(platform::PerUserRootSid(), OtherDesktopUser::Sid);
    EXPECT_EQ(fixture::GetString(Hive::Users, OtherDesktopUser::Key(kLibrary), "Search Path"),
              "$(DELPHI)\\Lib;$(DELPHI)\\Bin;D:\\Korvane\\d6\\Lib");
    EXPECT_EQ(fixture::Values(Hive::Users, OtherDesktopUser::Key(kPackages)),
              (Values{{"$(DELPHI)\\Bin\\dclstd60.bpl", "Borland Standard Components"},
                      {"D:\\Korvane\\d6\\Lib\\dclkv40d6.bpl", "Korvane 4.3 package"}}));
    EXPECT_TRUE(fixture::Dump(Hive::CurrentUser) == processUsersHive) << "HKEY_CURRENT_USER changed";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PerUserRoot, IsTheProcessUsersOwnHiveWhereTheDesktopUserCannotBeReached) {
    const std::string own = platform::Users().processUserSid();
    ASSERT_FALSE(own.empty());
    const struct {
        const char* what;
        platform::DesktopUser desktop;
    } cases[] = {
        {"no shell window, or its process or token unreadable", {"", false}},
        {"the desktop user is the process's user", {own, true}},
        {"another user whose hive is not loaded", {OtherDesktopUser::Sid, false}},
    };
    fixture::DeleteTree(Hive::Users, OtherDesktopUser::Sid);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform::ScopedOverride<decltype(platform::UsersApi::desktopUser)> desktop(
            platform::Users().desktopUser, [&] { return c.desktop; });
        const platform::PerUserRoot root = platform::ChoosePerUserRoot();
        EXPECT_EQ(root.hive, HKEY_CURRENT_USER);
        EXPECT_EQ(root.sid, own);
    }
}

// Wine runs every process as one user: all it can show of the lookup is a shell's process found
// running as the process's own user.
TEST(PerUserRootUnderWine, TheRealLookupFindsTheShellsUserToBeTheProcessUser) {
    const std::string own = platform::Users().processUserSid();
    EXPECT_EQ(own.rfind("S-1-5-", 0), 0u) << own;
    HKEY hive;
    ASSERT_EQ(RegOpenKeyExA(HKEY_USERS, own.c_str(), 0, KEY_READ, &hive), ERROR_SUCCESS) << own;
    RegCloseKey(hive);
    ASSERT_EQ(GetShellWindow(), nullptr) << "a shell window this test did not make";
    EXPECT_EQ(platform::Users().desktopUser().sid, "");

    test::RunningProgram shell(test::ExecutableFolder() + "fake_shell.exe");
    // Wine 10 (WoW64) declares its explorer's desktop the shell window once the desktop exists, and
    // refuses the stand-in: there the lookup finds explorer's process, of the same one user.
    const auto shellOwner = [] {
        DWORD owner = 0;
        return GetShellWindow() && GetWindowThreadProcessId(GetShellWindow(), &owner) ? owner : 0;
    };
    ASSERT_TRUE(test::WaitFor([&] { return shellOwner() == shell.Id() || (shellOwner() && !shell.Running()); }))
        << "a shell window: the stand-in's, or Wine's own where the stand-in was refused";
    const platform::DesktopUser desktop = platform::Users().desktopUser();
    EXPECT_EQ(desktop.sid, own);
    EXPECT_TRUE(desktop.isProcessUser);
    EXPECT_EQ(platform::ChoosePerUserRoot().hive, HKEY_CURRENT_USER);
    if (shell.Running()) shell.Close("KvFakeShell", 15000);
    EXPECT_EQ(platform::PerUserRootSid(), own);
    EXPECT_EQ(platform::Registry().rootKey(platform::RegRoot::CurrentUser), HKEY_CURRENT_USER);
}

}  // namespace
