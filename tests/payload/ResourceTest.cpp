// The 16-bit resource file wrapper and reading the payload from the executable's own resource.
#include <gtest/gtest.h>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "platform/Resources.h"
#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"
#include "tests/payload/StreamBytes.h"

using payload::TInstallerData;
using test::Bytes;

namespace {

std::string ResourceFileBytes(const std::string& name, const TInstallerData& data) {
    rtl::TMemoryStream out;
    rtl::WriteResourceFile(out, name, data);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

uint32_t LengthAt(const std::string& bytes, size_t offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[offset + static_cast<size_t>(i)]);
    return v;
}

}  // namespace

TEST(ResourceFile, HeaderThenTheStreamAtOffset22) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\a.txt", 9000);  // more than the writer's buffer holds
    data.License().Add("licence");
    std::string file = ResourceFileBytes("install_data", data);
    std::string stream = test::WriteToBytes(data);

    EXPECT_EQ(file.substr(0, 18), Bytes().Raw({0xFF, 0x0A, 0x00}).Raw("INSTALL_DATA").Raw({0x00, 0x30, 0x10}).str());
    EXPECT_EQ(LengthAt(file, 18), stream.size());
    EXPECT_EQ(file.substr(22), stream);
}

TEST(ResourceFile, NameIsUpperCasedForAToZOnlyAndCutAt63) {
    TInstallerData data(nullptr);
    std::string file = ResourceFileBytes("data-x.\xE4y_1", data);
    EXPECT_EQ(file.substr(3, 11), "DATA-X.\xE4Y_1");
    EXPECT_EQ(file[14], '\0');

    file = ResourceFileBytes(std::string(70, 'q'), data);
    EXPECT_EQ(file.substr(3, 64), std::string(63, 'Q') + '\0');
    EXPECT_EQ(file.substr(67, 2), "\x30\x10");
    EXPECT_EQ(LengthAt(file, 69), file.size() - 73);
}

TEST(ResourceFile, WrittenAfterOtherDataTheLengthIsFixedUpInPlace) {
    TInstallerData data(nullptr);
    rtl::TMemoryStream out;
    out.WriteBuffer("previous", 8);
    rtl::WriteResourceFile(out, "install_data", data);
    std::string bytes(out.Bytes().begin(), out.Bytes().end());
    EXPECT_EQ(bytes.substr(0, 8), "previous");
    EXPECT_EQ(LengthAt(bytes, 8 + 18), bytes.size() - 30);
    EXPECT_EQ(out.Position(), static_cast<int64_t>(bytes.size()));
}

TEST(OwnResource, MissingResourceNamesTheNameAsAsked) {
    std::string asked;
    platform::ScopedOverride missing(platform::Resources().findOwnRcData,
                                     std::function<bool(const std::string&, platform::ResourceBytes*)>(
                                         [&](const std::string& name, platform::ResourceBytes*) {
                                             asked = name;
                                             return false;
                                         }));
    TInstallerData data(nullptr);
    try {
        data.LoadFromResource();
        FAIL() << "loaded without a resource";
    } catch (const rtl::EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource install_data not found");
    }
    EXPECT_EQ(asked, "install_data");
    EXPECT_THROW(rtl::ReadComponentResource("TMAINFORM", data), rtl::EResNotFound);
}

TEST(OwnResource, LoadsTheBytesTheResourceHolds) {
    TInstallerData source(nullptr);
    test::AddFile(source.Files(), "\\common\\x.txt", 5);
    test::AddFile(source.Files(), "\\d5\\y.dcu", 0, -1, 1);
    source.License().Add("text");
    const std::string bytes = test::WriteToBytes(source);
    platform::ScopedOverride served(platform::Resources().findOwnRcData,
                                    std::function<bool(const std::string&, platform::ResourceBytes*)>(
                                        [&](const std::string&, platform::ResourceBytes* out) {
                                            out->data = reinterpret_cast<const uint8_t*>(bytes.data());
                                            out->size = static_cast<uint32_t>(bytes.size());
                                            return true;
                                        }));
    TInstallerData data(nullptr);
    data.LoadFromResource();
    ASSERT_EQ(data.Files().Count(), 2);
    EXPECT_EQ(data.Files().Item(0).Name, "\\common\\x.txt");
    EXPECT_EQ(data.Files().Item(0).Content, source.Files().Item(0).Content);
    // The resource stays while the program runs: the item refers to it instead of a copy.
    const auto* resource = reinterpret_cast<const uint8_t*>(bytes.data());
    const uint8_t* content = data.Files().Item(0).Content.data();
    EXPECT_TRUE(content > resource && content < resource + bytes.size());
    EXPECT_EQ(data.Files().Item(1).Attr, 1);
    EXPECT_EQ(data.Files().Item(1).Age, -1);
    EXPECT_EQ(data.License().Lines(), std::vector<std::string>{"text"});
}

TEST(OwnResource, DamagedResourceFailsWithTheReadersError) {
    const std::string bytes = "TPF0\x0ETInstallerData";
    platform::ScopedOverride served(platform::Resources().findOwnRcData,
                                    std::function<bool(const std::string&, platform::ResourceBytes*)>(
                                        [&](const std::string&, platform::ResourceBytes* out) {
                                            out->data = reinterpret_cast<const uint8_t*>(bytes.data());
                                            out->size = static_cast<uint32_t>(bytes.size());
                                            return true;
                                        }));
    TInstallerData data(nullptr);
    try {
        data.LoadFromResource();
        FAIL();
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(ResourceFile, StreamReadsBackFromItsOffsetInsideTheFile) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\a.bin", 6000);
    rtl::TMemoryStream file;
    rtl::WriteResourceFile(file, "install_data", data);
    file.SetPosition(22);
    TInstallerData back(nullptr);
    rtl::ReadComponentStream(file, back);
    ASSERT_EQ(back.Files().Count(), 1);
    EXPECT_EQ(back.Files().Item(0).Content, data.Files().Item(0).Content);
}
