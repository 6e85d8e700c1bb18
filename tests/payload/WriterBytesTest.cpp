// What the writer puts into a stream, byte for byte, and that the reader takes it back.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "rtl/Writer.h"
#include "rtl/Streams.h"
#include "tests/payload/StreamBytes.h"

using payload::TInstallerData;
using test::Bytes;

namespace {

// The bytes of one item property as the writer lays it out: name, tag, payload.
std::string ItemProperty(const std::string& name, const std::string& value) { return Bytes().Name(name).Raw(value); }

std::string StreamWithAge(int32_t age) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\a", 0, age, 0);
    return test::WriteToBytes(data);
}

}  // namespace

TEST(WriterBytes, WorkedItemExampleOf4143Bytes) {
    TInstallerData data(nullptr);
    const std::string name = "\\common\\Sources\\Korvane.pas";
    payload::TFileHolder& item = test::AddFile(data.Files(), name, 4143, 745366348, 32);
    std::string content(item.Content.begin(), item.Content.end());

    std::string expected = Bytes()
                               .Root()
                               .Name("Files").Raw({0x0E})
                               .Raw({0x01})
                               .Name("Name").Str(name)
                               .Name("Age").Raw({0x04, 0x4C, 0x63, 0x6D, 0x2C})
                               .Name("Size").Raw({0x03, 0x2F, 0x10})
                               .Name("Attr").Raw({0x02, 0x20})
                               .Name("Data").Raw({0x0A, 0x2F, 0x10, 0x00, 0x00}).Raw(content)
                               .Raw({0x00})
                               .Raw({0x00})
                               .Raw({0x00, 0x00});
    std::string written = test::WriteToBytes(data);
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_EQ(written, expected);

    TInstallerData back(nullptr);
    test::ReadFromBytes(written, back);
    ASSERT_EQ(back.Files().Count(), 1);
    const payload::TFileHolder& read = back.Files().Item(0);
    EXPECT_EQ(read.Name, name);
    EXPECT_EQ(read.Age, 745366348);
    EXPECT_EQ(read.Size, 4143);
    EXPECT_EQ(read.Attr, 32);
    EXPECT_EQ(read.Content, item.Content);
}

TEST(WriterBytes, IntegersTakeTheNarrowestWidth) {
    struct Case {
        int32_t value;
        std::vector<int> bytes;
    };
    const Case cases[] = {
        {127, {0x02, 0x7F}},
        {128, {0x03, 0x80, 0x00}},
        {-128, {0x02, 0x80}},
        {-129, {0x03, 0x7F, 0xFF}},
        {32767, {0x03, 0xFF, 0x7F}},
        {32768, {0x04, 0x00, 0x80, 0x00, 0x00}},
        {-32768, {0x03, 0x00, 0x80}},
        {-32769, {0x04, 0xFF, 0x7F, 0xFF, 0xFF}},
        {0, {0x02, 0x00}},
        {INT_MAX, {0x04, 0xFF, 0xFF, 0xFF, 0x7F}},
        {INT_MIN + 1, {0x04, 0x01, 0x00, 0x00, 0x80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::string value;
        for (int b : c.bytes) value += static_cast<char>(b);
        std::string written = StreamWithAge(c.value);
        EXPECT_NE(written.find(ItemProperty("Age", value) + Bytes().Name("Size").str()), std::string::npos);
        TInstallerData back(nullptr);
        test::ReadFromBytes(written, back);
        EXPECT_EQ(back.Files().Item(0).Age, c.value);
    }
}

TEST(WriterBytes, LowestIntegerIsNotWrittenAndReadsBackAsTheDefault) {
    TInstallerData data(nullptr);
    payload::TFileHolder& item = test::AddFile(data.Files(), "\\common\\a", 0, INT_MIN, INT_MIN);
    item.Size = INT_MIN;
    std::string written = test::WriteToBytes(data);
    EXPECT_EQ(written, Bytes().Root().Name("Files").Raw({0x0E, 0x01}).Name("Name").Str("\\common\\a").Raw({0, 0, 0, 0}).str());

    TInstallerData back(nullptr);
    test::ReadFromBytes(written, back);
    EXPECT_EQ(back.Files().Item(0).Age, -1);
    EXPECT_EQ(back.Files().Item(0).Size, 0);
    EXPECT_EQ(back.Files().Item(0).Attr, 0);
}

TEST(WriterBytes, StringsOf255BytesAreShortAndOf256BytesLong) {
    for (size_t length : {size_t{255}, size_t{256}, size_t{70000}}) {
        SCOPED_TRACE(length);
        TInstallerData data(nullptr);
        std::string name = "\\common\\" + std::string(length - 8, 'n');
        test::AddFile(data.Files(), name, 0);
        std::string written = test::WriteToBytes(data);
        std::string encoded = length <= 255 ? Bytes().Raw({0x06, static_cast<int>(length)}).str()
                                            : Bytes().Raw({0x0C}).Int32Le(static_cast<int32_t>(length)).str();
        EXPECT_NE(written.find(Bytes().Name("Name").Raw(encoded).Raw(name).str()), std::string::npos);
        TInstallerData back(nullptr);
        test::ReadFromBytes(written, back);
        EXPECT_EQ(back.Files().Item(0).Name, name);
    }
}

TEST(WriterBytes, EmptyCollectionIsWrittenAndLeavesTheCollectionAloneWhenRead) {
    TInstallerData data(nullptr);
    std::string written = test::WriteToBytes(data);
    EXPECT_EQ(written, Bytes().Root().Name("Files").Raw({0x0E, 0x00}).Raw({0x00, 0x00}).str());

    TInstallerData back(nullptr);
    test::AddFile(back.Files(), "\\common\\kept", 3);
    test::ReadFromBytes(written, back);
    ASSERT_EQ(back.Files().Count(), 1);
    EXPECT_EQ(back.Files().Item(0).Name, "\\common\\kept");
}

TEST(WriterBytes, ItemsReplaceWhatTheCollectionHeld) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\d5\\one", 1);
    test::AddFile(data.Files(), "\\d5\\two", 2);
    TInstallerData back(nullptr);
    test::AddFile(back.Files(), "\\common\\old", 3);
    test::ReadFromBytes(test::WriteToBytes(data), back);
    ASSERT_EQ(back.Files().Count(), 2);
    EXPECT_EQ(back.Files().Item(0).Name, "\\d5\\one");
    EXPECT_EQ(back.Files().Item(1).Name, "\\d5\\two");
}

TEST(WriterBytes, TextListsAreWrittenOnlyWithLinesUnderDottedNames) {
    TInstallerData data(nullptr);
    std::string written = test::WriteToBytes(data);
    EXPECT_EQ(written.find("Strings"), std::string::npos);

    std::string longLine(300, 'L');
    data.License().Add("First line");
    data.License().Add("");
    data.License().Add(longLine);
    data.Info().Add("info");
    written = test::WriteToBytes(data);
    std::string expected = Bytes()
                               .Root()
                               .Name("Files").Raw({0x0E, 0x00})
                               .Name("License.Strings").Raw({0x01}).Str("First line").Str("")
                               .Raw({0x0C}).Int32Le(300).Raw(longLine).Raw({0x00})
                               .Name("Info.Strings").Raw({0x01}).Str("info").Raw({0x00})
                               .Raw({0x00, 0x00});
    EXPECT_EQ(written, expected);

    TInstallerData back(nullptr);
    back.License().Add("replaced");
    test::ReadFromBytes(written, back);
    EXPECT_EQ(back.License().Lines(), (std::vector<std::string>{"First line", "", longLine}));
    EXPECT_EQ(back.Info().Lines(), std::vector<std::string>{"info"});
}

TEST(WriterBytes, ShippedPayloadShapeAtStartAndEnd) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\Sources\\KvRegs1.pas", 10);  // a 27-byte first name
    test::AddFile(data.Files(), "\\d6\\Lib\\KvCore.dcu", 5000);
    data.License().Add("Licence");
    data.License().Add(" ");
    std::string written = test::WriteToBytes(data);
    const std::string start = Bytes().Raw({0x54, 0x50, 0x46, 0x30, 0x0E, 0x54, 0x49, 0x6E, 0x73, 0x74, 0x61, 0x6C, 0x6C,
                                           0x65, 0x72, 0x44, 0x61, 0x74, 0x61, 0x00, 0x05, 0x46, 0x69, 0x6C, 0x65, 0x73,
                                           0x0E, 0x01, 0x04, 0x4E, 0x61, 0x6D, 0x65, 0x06, 0x1B});
    EXPECT_EQ(written.substr(0, start.size()), start);
    const std::string end = Bytes().Raw({0x06, 0x01, 0x20, 0x00, 0x00, 0x00});
    EXPECT_EQ(written.substr(written.size() - end.size()), end);
}

TEST(WriterBytes, RootTagAndNameAreStoredAsTheFormatSays) {
    TInstallerData data(nullptr);
    data.SetName("Payload");
    data.Tag = 300;
    EXPECT_EQ(test::WriteToBytes(data), Bytes()
                                            .Signature().Name("TInstallerData").Name("Payload")
                                            .Name("Tag").Raw({0x03, 0x2C, 0x01})
                                            .Name("Files").Raw({0x0E, 0x00})
                                            .Raw({0x00, 0x00}).str());
}

namespace {
// Records how the writer hands its bytes to the target.
class ChunkRecorder : public rtl::TMemoryStream {
public:
    int32_t Write(const void* buffer, int32_t count) override {
        chunks.push_back(count);
        return rtl::TMemoryStream::Write(buffer, count);
    }
    std::vector<int32_t> chunks;
};
}  // namespace

TEST(WriterBytes, WriterEmptiesItsOwnBufferInFullBlocksAndTheRestAtTheEnd) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\big", 10000);
    ChunkRecorder target;
    rtl::WriteComponentStream(target, data);
    ASSERT_GE(target.chunks.size(), 3u);
    for (size_t i = 0; i + 1 < target.chunks.size(); ++i) EXPECT_EQ(target.chunks[i], 4096);
    EXPECT_EQ(target.Bytes().size(), test::WriteToBytes(data).size());
}

TEST(WriterBytes, WriterDiscardedWithoutFlushStillDeliversItsBytes) {
    rtl::TMemoryStream target;
    {
        rtl::TWriter writer(target);
        writer.WriteSignature();
        EXPECT_EQ(target.Bytes().size(), 0u);  // still in the writer's own buffer
    }
    EXPECT_EQ(std::string(target.Bytes().begin(), target.Bytes().end()), "TPF0");
}
