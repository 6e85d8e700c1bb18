// Recognising the suite's old package registrations, and the package step on the real registry.
#include <gtest/gtest.h>

#include <algorithm>

#include "hosts/HostSelection.h"
#include "hosts/IntegrationSteps.h"
#include "platform/Seam.h"
#include "tests/hosts/RegistryFixture.h"

namespace {

using platform::RegRoot;
using namespace test;

constexpr int kDelphi6 = 2, kCBuilder6 = 5;

class SuitePackageEntry : public HostRegistryTest {
protected:
    SuitePackageEntry() { SelectHost(kDelphi6); }
};

TEST_F(SuitePackageEntry, MatchesAnyFolderCaseAndSuiteVersionOfThisHost) {
    EXPECT_TRUE(hosts::IsSuitePackageEntry("C:\\Old\\Lib\\DCLKV40D6.BPL"));
    EXPECT_TRUE(hosts::IsSuitePackageEntry("$(DELPHI)\\Korvane\\Lib\\dclkv40d6.bpl"));
    EXPECT_TRUE(hosts::IsSuitePackageEntry("E:\\x\\dclkv31d6.bpl"));
    EXPECT_TRUE(hosts::IsSuitePackageEntry("x\\dclkvZZd6.bpl")) << "one character before the backslash is enough";
}

TEST_F(SuitePackageEntry, RejectsOtherHostsShortNamesAndBareFileNames) {
    EXPECT_FALSE(hosts::IsSuitePackageEntry("C:\\x\\dclkv40d5.bpl"));
    EXPECT_FALSE(hosts::IsSuitePackageEntry("C:\\x\\dclkv4d6.bpl"));
    EXPECT_FALSE(hosts::IsSuitePackageEntry("dclkv40d6.bpl"));
    EXPECT_FALSE(hosts::IsSuitePackageEntry("\\dclkv40d6.bpl"));
    EXPECT_FALSE(hosts::IsSuitePackageEntry("C:\\x\\dclkv40d6.bpl.bak"));
    EXPECT_FALSE(hosts::IsSuitePackageEntry(""));
    SelectHost(kCBuilder6);
    EXPECT_FALSE(hosts::IsSuitePackageEntry("C:\\Old\\Lib\\dclkv40d6.bpl"));
    EXPECT_TRUE(hosts::IsSuitePackageEntry("C:\\Old\\Lib\\dclkv40c6.bpl"));
}

// The package step for Delphi 6 unless a test selects otherwise.
class PackageRegistration : public HostRegistryTest {
protected:
    std::string packagesKey = kUserBorland + "\\Delphi\\6.0\\Known Packages";
    PackageRegistration() { SelectHost(kDelphi6); }
    void Register(const std::string& name, const std::string& description) {
        RawSetSz(RegRoot::CurrentUser, packagesKey, name, description);
    }
    std::vector<std::string> Names() {
        auto names = RawValueNames(RegRoot::CurrentUser, packagesKey);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::optional<std::string> Version(const std::string& host = "Delphi 6") {
        return RawGetSz(RegRoot::LocalMachine, ProductKey(host), "Version");
    }
};

TEST_F(PackageRegistration, ReinstallingKeepsExactlyOneSuiteEntry) {
    RawCreateKey(RegRoot::CurrentUser, packagesKey);
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterPackage();
    hosts::RegisterPackage();
    EXPECT_EQ(Names(), std::vector<std::string>{"D:\\Korvane\\d6\\Lib\\dclkv40d6.bpl"});
    EXPECT_EQ(RawGetSz(RegRoot::CurrentUser, packagesKey, "D:\\Korvane\\d6\\Lib\\dclkv40d6.bpl"),
              "Korvane 4.3 package");
    EXPECT_EQ(Version(), "4.3");
}

TEST_F(PackageRegistration, OldFormsGoWhileOtherPackagesAndTheDefaultValueStay) {
    Register("", "the key's default value");
    Register("C:\\Old\\Lib\\DCLKV40D6.BPL", "Korvane 4.0 package");
    Register("$(DELPHI)\\Korvane\\Lib\\dclkv31d6.bpl", "Korvane 3.1 package");
    Register("C:\\x\\dclkv40d5.bpl", "Korvane for Delphi 5");
    Register("$(DELPHI)\\Bin\\dclstd60.bpl", "Borland Standard Components");
    hosts::InstallPath = "E:\\New";
    hosts::RegisterPackage();
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "$(DELPHI)\\Bin\\dclstd60.bpl", "C:\\x\\dclkv40d5.bpl",
                                                 "E:\\New\\Lib\\dclkv40d6.bpl"}));
    EXPECT_EQ(RawGetSz(RegRoot::CurrentUser, packagesKey, ""), "the key's default value");
}

TEST_F(PackageRegistration, BelowTheIdeRootTheNameBeginsWithTheMacro) {
    SelectHost(kCBuilder6);
    const std::string key = kUserBorland + "\\C++Builder\\6.0\\Known Packages";
    RawCreateKey(RegRoot::CurrentUser, key);
    hosts::HostRootPath = "C:\\Program Files\\Borland\\CBuilder6";
    hosts::InstallPath = "c:\\program files\\borland\\cbuilder6\\Korvane";
    hosts::RegisterPackage();
    EXPECT_EQ(RawValueNames(RegRoot::CurrentUser, key), std::vector<std::string>{"$(BCB)\\Korvane\\Lib\\dclkv40c6.bpl"});
    EXPECT_EQ(Version("C++ Builder 6"), "4.3");
}

TEST_F(PackageRegistration, WithoutTheKeyOnlyTheVersionIsRecorded) {
    hosts::InstallPath = "D:\\Korvane\\d6";
    hosts::RegisterPackage();
    EXPECT_FALSE(RawKeyExists(RegRoot::CurrentUser, packagesKey));
    EXPECT_EQ(Version(), "4.3");
}

TEST_F(PackageRegistration, RefusedSuiteEntryRaisesAndRecordsNoVersion) {
    Register("C:\\Old\\Lib\\dclkv40d6.bpl", "Korvane 4.0 package");
    hosts::InstallPath = "D:\\K";
    {
        auto refuse = Override(platform::Registry().setValue,
                                        [](platform::Key, const std::string&, uint32_t, const void*, uint32_t) -> long {
                                            return platform::regerr::AccessDenied;
                                        });
        OpenKeyCounter counter;
        ExpectRegistryError([] { hosts::RegisterPackage(); }, "Failed to set data for 'D:\\K\\Lib\\dclkv40d6.bpl'");
        EXPECT_EQ(counter.Open(), 0);
    }
    EXPECT_TRUE(Names().empty()) << "the old entry was removed before the write failed";
    EXPECT_FALSE(Version());
}

TEST_F(PackageRegistration, FailedDeletionsAreIgnored) {
    Register("C:\\Old\\Lib\\dclkv40d6.bpl", "Korvane 4.0 package");
    hosts::InstallPath = "D:\\K";
    {
        auto keep = Override(platform::Registry().deleteValue,
                                      [](platform::Key, const std::string&) -> long { return platform::regerr::AccessDenied; });
        hosts::RegisterPackage();
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"C:\\Old\\Lib\\dclkv40d6.bpl", "D:\\K\\Lib\\dclkv40d6.bpl"}));
    EXPECT_EQ(Version(), "4.3");
}

}  // namespace
