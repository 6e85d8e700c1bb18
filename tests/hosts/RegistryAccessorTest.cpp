// The registry accessor on the real registry: path rules, string reading and writing, key
// deletion, and that every key it opens is closed again, also when an error passes.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "rtl/Registry.h"
#include "tests/hosts/RegistryFixture.h"

namespace {

using platform::RegRoot;
using rtl::TRegistry;
using namespace test;

const std::string kBase = "Software\\Korvane Accessor Test";

class RegistryAccessor : public HostRegistryTest {};

TEST_F(RegistryAccessor, LeadingBackslashStartsAtTheRootOtherPathsAtTheKeyOpenedLast) {
    RawSetSz(RegRoot::CurrentUser, kBase + "\\A\\B", "Where", "B");
    RawSetSz(RegRoot::CurrentUser, kBase + "\\A", "Where", "A");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kBase, false)) << "with no key open a relative path starts at the root";
    ASSERT_TRUE(reg.OpenKey("A", false));
    EXPECT_EQ(reg.ReadString("Where"), "A");
    ASSERT_TRUE(reg.OpenKey("B", false));
    EXPECT_EQ(reg.ReadString("Where"), "B");

    EXPECT_FALSE(reg.OpenKey("A", false)) << "there is no A below B";
    EXPECT_EQ(reg.ReadString("Where"), "B") << "a failed open keeps the key that was open";

    ASSERT_TRUE(reg.OpenKey("\\" + kBase + "\\A", false));
    EXPECT_EQ(reg.ReadString("Where"), "A");
}

TEST_F(RegistryAccessor, OpenWithCreateMakesMissingKeysAboveWithoutCreateFails) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("\\" + kBase + "\\x\\y\\z", false));
    EXPECT_FALSE(RawKeyExists(RegRoot::CurrentUser, kBase));
    ASSERT_TRUE(reg.OpenKey("\\" + kBase + "\\x\\y\\z", true));
    EXPECT_TRUE(RawKeyExists(RegRoot::CurrentUser, kBase + "\\x\\y\\z"));
}

TEST_F(RegistryAccessor, ReadStringTakesBothStringTypesUnexpandedUpToTheFirstNul) {
    const RegRoot cu = RegRoot::CurrentUser;
    RawSet(cu, kBase, "Expand", platform::regtype::ExpandSz, std::string("%SystemRoot%\\Borland\0", 21));
    RawSet(cu, kBase, "TwoTexts", platform::regtype::Sz, std::string("first\0second\0", 13));
    RawSet(cu, kBase, "Empty", platform::regtype::Sz, "");
    RawSet(cu, kBase, "EmptyBinary", platform::regtype::Binary, "");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kBase, false));
    EXPECT_EQ(reg.ReadString("Expand"), "%SystemRoot%\\Borland");
    EXPECT_EQ(reg.ReadString("TwoTexts"), "first");
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_EQ(reg.ReadString("EmptyBinary"), "") << "size 0 reads as empty before the type is looked at";
    EXPECT_EQ(reg.ReadString("Missing"), "");
}

TEST_F(RegistryAccessor, ReadStringOfAnotherTypeRaisesWithTheValueName) {
    RawSet(RegRoot::CurrentUser, kBase, "Count", platform::regtype::DWord, std::string("\x07\0\0\0", 4));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kBase, false));
    ExpectRegistryError([&] { reg.ReadString("Count"); }, "Invalid data type for 'Count'");
}

TEST_F(RegistryAccessor, ReadFailingAfterTheSizeQueryRaises) {
    RawSetSz(RegRoot::CurrentUser, kBase, "RootDir", "C:\\D6");
    auto& query = platform::Registry().queryValue;
    // Only the second call, the one that fetches the data, fails.
    auto failData = Override(
        query, [original = query](platform::Key k, const std::string& n, uint32_t* t, void* data, uint32_t* size) {
            return data ? long(platform::regerr::AccessDenied) : original(k, n, t, data, size);
        });
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kBase, false));
    ExpectRegistryError([&] { reg.ReadString("RootDir"); }, "Failed to get data for 'RootDir'");
}

TEST_F(RegistryAccessor, WriteStringStoresSzWithItsNulAndReplacesAnExpandSz) {
    RawSet(RegRoot::CurrentUser, kBase, "Search Path", platform::regtype::ExpandSz, std::string("%X%\0", 4));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kBase, false));
    reg.WriteString("Search Path", "a;b");
    reg.WriteString("Blank", "");
    auto v = RawGet(RegRoot::CurrentUser, kBase, "Search Path");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type, platform::regtype::Sz);
    EXPECT_EQ(v->data, std::string("a;b\0", 4));
    EXPECT_EQ(RawGetSz(RegRoot::CurrentUser, kBase, "Blank"), std::string());
}

TEST_F(RegistryAccessor, RefusedWriteRaisesWithTheValueName) {
    auto refuse = Override(platform::Registry().setValue,
                                    [](platform::Key, const std::string&, uint32_t, const void*, uint32_t) -> long {
                                        return platform::regerr::AccessDenied;
                                    });
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\" + kBase, true));
    ExpectRegistryError([&] { reg.WriteString("Search Path", "x"); }, "Failed to set data for 'Search Path'");
}

TEST_F(RegistryAccessor, DeleteKeyTakesItsSubkeysAlongAndValuesAreListedInASnapshot) {
    RawSetSz(RegRoot::CurrentUser, kBase + "\\Doomed\\Inner\\Deepest", "v", "1");
    RawCreateKey(RegRoot::CurrentUser, kBase + "\\Doomed\\Sibling");
    RawSetSz(RegRoot::CurrentUser, kBase, "one", "1");
    RawSetSz(RegRoot::CurrentUser, kBase, "two", "2");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kBase, false));
    EXPECT_TRUE(reg.DeleteKey("Doomed"));
    EXPECT_FALSE(RawKeyExists(RegRoot::CurrentUser, kBase + "\\Doomed"));
    EXPECT_TRUE(RawKeyExists(RegRoot::CurrentUser, kBase));

    auto names = reg.GetValueNames();
    for (const std::string& name : names) EXPECT_TRUE(reg.DeleteValue(name));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(RawValueNames(RegRoot::CurrentUser, kBase).empty());
    EXPECT_FALSE(reg.DeleteValue("one"));
}

TEST_F(RegistryAccessor, EveryKeyOpenedIsClosedAlsoWhenAnErrorPasses) {
    RawSetSz(RegRoot::CurrentUser, kBase + "\\A", "Text", "t");
    RawSet(RegRoot::CurrentUser, kBase + "\\A", "Count", platform::regtype::DWord, std::string(4, '\0'));
    RawCreateKey(RegRoot::CurrentUser, kBase + "\\Tree\\Branch\\Leaf");
    OpenKeyCounter counter;
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kBase, false));
        ASSERT_TRUE(reg.OpenKey("A", false));
        EXPECT_EQ(counter.Open(), 1) << "opening another key closes the one before";
        EXPECT_THROW(reg.ReadString("Count"), rtl::ERegistryException);
        EXPECT_TRUE(reg.CreateKey("\\" + kBase + "\\Made"));
        EXPECT_TRUE(reg.DeleteKey("\\" + kBase + "\\Tree"));
        EXPECT_EQ(counter.Open(), 1);
    }
    EXPECT_EQ(counter.Open(), 0);
    // The error leaves the accessor's scope while its key is open.
    auto readThroughTheError = [&] {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kBase + "\\A", false));
        ASSERT_EQ(counter.Open(), 1);
        reg.ReadString("Count");
    };
    EXPECT_THROW(readThroughTheError(), rtl::ERegistryException);
    EXPECT_EQ(counter.Open(), 0);
}

}  // namespace
