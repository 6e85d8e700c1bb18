// Host detection, the permission probe, the product record and the downgrade check on the real
// registry; faults the registry under Wine cannot produce come through the platform seam.
#include <gtest/gtest.h>

#include "hosts/HostSelection.h"
#include "hosts/ProductRecord.h"
#include "platform/Seam.h"
#include "tests/hosts/RegistryFixture.h"

namespace {

using platform::RegRoot;
using namespace test;

constexpr int kDelphi6 = 2, kCBuilder5 = 4;

class HostDetection : public HostRegistryTest {};

TEST_F(HostDetection, ReadsRootDirOfTheSelectedHostUnexpanded) {
    SelectHost(kCBuilder5);
    EXPECT_EQ(hosts::ReadHostRootDir(), "");
    RawSet(RegRoot::LocalMachine, kMachineBorland + "\\C++Builder\\5.0", "RootDir", platform::regtype::ExpandSz,
           std::string("%ProgramFiles%\\Borland\\CBuilder5\0", 33));
    RawSetSz(RegRoot::LocalMachine, kMachineBorland + "\\Delphi\\6.0", "RootDir", "C:\\D6");
    EXPECT_EQ(hosts::ReadHostRootDir(), "%ProgramFiles%\\Borland\\CBuilder5");
    SelectHost(kDelphi6);
    EXPECT_EQ(hosts::ReadHostRootDir(), "C:\\D6");
}

TEST_F(HostDetection, RootDirOfAnotherTypeRaises) {
    SelectHost(kDelphi6);
    RawSet(RegRoot::LocalMachine, kMachineBorland + "\\Delphi\\6.0", "RootDir", platform::regtype::Binary, "C:");
    ExpectRegistryError([] { hosts::ReadHostRootDir(); }, "Invalid data type for 'RootDir'");
}

class PermissionProbe : public HostRegistryTest {};

TEST_F(PermissionProbe, SucceedsAndLeavesNoKeyEvenOneWithSubkeysFromBefore) {
    OpenKeyCounter counter;
    EXPECT_TRUE(hosts::HasMachineRegistryAccess());
    EXPECT_FALSE(RawKeyExists(RegRoot::LocalMachine, kProbe));
    RawCreateKey(RegRoot::LocalMachine, kProbe + "\\Left\\Over");
    EXPECT_TRUE(hosts::HasMachineRegistryAccess());
    EXPECT_FALSE(RawKeyExists(RegRoot::LocalMachine, kProbe));
    EXPECT_EQ(counter.Open(), 0);
}

TEST_F(PermissionProbe, RefusedCreateIsFalseWithoutErrorOrWarning) {
    auto refuse = RefuseCreateKey();
    bool result = true;
    EXPECT_NO_THROW(result = hosts::HasMachineRegistryAccess());
    EXPECT_FALSE(result);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PermissionProbe, CreatesBelowTheRootWhenSoftwareDoesNotOpen) {
    const platform::Key machine = platform::Registry().rootKey(RegRoot::LocalMachine);
    platform::Key createdBelow = nullptr;
    std::string createdName;
    auto noSoftware = Override(platform::Registry().openKey,
                                        [](platform::Key, const std::string&, platform::Key* out) -> long {
                                            *out = nullptr;
                                            return platform::regerr::FileNotFound;
                                        });
    auto record = Override(platform::Registry().createKey,
                                    [&](platform::Key parent, const std::string& sub, platform::Key* out) -> long {
                                        createdBelow = parent;
                                        createdName = sub;
                                        *out = nullptr;
                                        return platform::regerr::AccessDenied;
                                    });
    EXPECT_FALSE(hosts::HasMachineRegistryAccess());
    EXPECT_EQ(createdBelow, machine);
    EXPECT_EQ(createdName, "Maltrow Software Test");
}

TEST_F(PermissionProbe, AKeyThatCannotBeDeletedAgainStillMeansAccess) {
    OpenKeyCounter counter;
    bool result = false;
    {
        auto undeletable = Override(platform::Registry().deleteKey, [](platform::Key, const std::string&) -> long {
            return platform::regerr::AccessDenied;
        });
        EXPECT_NO_THROW(result = hosts::HasMachineRegistryAccess());
    }
    EXPECT_TRUE(result);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(counter.Open(), 0);
    EXPECT_TRUE(RawKeyExists(RegRoot::LocalMachine, kProbe)) << "left, as the deletion's result is ignored";
}

class ProductRecord : public HostRegistryTest {};

TEST_F(ProductRecord, ValuesLiveBelowTheHostNameWithItsSpace) {
    EXPECT_EQ(hosts::ReadProductValue("Path", "C++ Builder 5"), "");
    hosts::WriteProductValue("Path", "D:\\Korvane\\c5", "C++ Builder 5");
    EXPECT_EQ(RawGetSz(RegRoot::LocalMachine, ProductKey("C++ Builder 5"), "Path"), "D:\\Korvane\\c5");
    EXPECT_EQ(hosts::ReadProductValue("Path", "C++ Builder 5"), "D:\\Korvane\\c5");
    EXPECT_EQ(hosts::ReadProductValue("Version", "C++ Builder 5"), "");
    EXPECT_EQ(hosts::ReadProductValue("Path", "Delphi 5"), "");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ProductRecord, UnwritableKeyWarnsWithTheKeyPathAndGoesOn) {
    {
        auto refuse = RefuseCreateKey();
        EXPECT_NO_THROW(hosts::WriteProductValue("Path", "C:\\Korvane\\d6", "Delphi 6"));
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to write to registry:\r\n\\SOFTWARE\\Maltrow Software\\Korvane\\Delphi 6");
    EXPECT_EQ(boxes[0].caption, "Warning");
    EXPECT_EQ(boxes[0].flags, platform::mb::Ok | platform::mb::IconExclamation);
    EXPECT_FALSE(RawKeyExists(RegRoot::LocalMachine, ProductKey("Delphi 6")));
}

TEST_F(ProductRecord, RefusedValueOfAnOpenedKeyRaises) {
    RawCreateKey(RegRoot::LocalMachine, ProductKey("Delphi 6"));
    auto refuse = Override(platform::Registry().setValue,
                                    [](platform::Key, const std::string&, uint32_t, const void*, uint32_t) -> long {
                                        return platform::regerr::AccessDenied;
                                    });
    ExpectRegistryError([] { hosts::WriteProductValue("HelpFile", "x", "Delphi 6"); },
                        "Failed to set data for 'HelpFile'");
}

TEST_F(ProductRecord, VersionComparisonIsTextualAndIgnoresCase) {
    SelectHost(kDelphi6);
    EXPECT_TRUE(hosts::InstalledVersionNotNewer()) << "nothing recorded";
    const struct { const char* recorded; bool notNewer; } cases[] = {
        {"", true}, {"4.3", true}, {"4.2", true}, {"10.0", true},
        {"4.31", false}, {"5.0", false}, {"4.3a", false}, {"4.3A", false},
    };
    for (const auto& c : cases) {
        RawSetSz(RegRoot::LocalMachine, ProductKey("Delphi 6"), "Version", c.recorded);
        EXPECT_EQ(hosts::InstalledVersionNotNewer(), c.notNewer) << "recorded \"" << c.recorded << "\"";
    }
    SelectHost(kCBuilder5);
    EXPECT_TRUE(hosts::InstalledVersionNotNewer()) << "another host's record does not count";
}

TEST_F(ProductRecord, EveryOperationClosesItsKeys) {
    SelectHost(kDelphi6);
    RawSetSz(RegRoot::LocalMachine, kMachineBorland + "\\Delphi\\6.0", "RootDir", "C:\\D6");
    OpenKeyCounter counter;
    hosts::WriteProductValue("Version", "4.3", "Delphi 6");
    EXPECT_EQ(hosts::ReadProductValue("Version", "Delphi 6"), "4.3");
    EXPECT_TRUE(hosts::InstalledVersionNotNewer());
    EXPECT_EQ(hosts::ReadHostRootDir(), "C:\\D6");
    RawSet(RegRoot::LocalMachine, ProductKey("Delphi 6"), "Path", platform::regtype::DWord, std::string(4, '\0'));
    EXPECT_THROW(hosts::ReadProductValue("Path", "Delphi 6"), rtl::ERegistryException);
    EXPECT_EQ(counter.Open(), 0);
}

}  // namespace
