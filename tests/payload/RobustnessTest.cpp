// Damaged input: cut short anywhere, mutated at random, or claiming lengths it cannot hold. The
// reader must fail with one of the format's messages, never crash, hang or allocate wildly. And
// the writer, short of memory, names the file it could not write.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "payload/InstTypes.h"
#include "rtl/Exceptions.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"
#include "tests/payload/AllocationProbe.h"
#include "tests/payload/StreamBytes.h"

using payload::TInstallerData;
using test::Bytes;

namespace {

std::string SamplePayload() {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\Help\\Korvane.hlp", 300, 745366348, 33);
    test::AddFile(data.Files(), "\\common\\empty.txt", 0, -1, 0);
    test::AddFile(data.Files(), "\\d5\\Lib\\" + std::string(260, 'k') + ".dcu", 70, 0x2C6D0000, 128);
    test::AddFile(data.Files(), "\\d6\\Lib\\x.dcu", 40000, 12345, -5);
    data.License().Add("KORVANE LICENCE");
    data.License().Add(std::string(400, '='));
    data.License().Add("");
    data.Info().Add("build 7");
    return test::WriteToBytes(data);
}

// One of the messages the format can raise, possibly wrapped by "Error reading ...: ".
bool IsFormatMessage(const std::string& message) {
    static const std::regex inner(
        R"(([\s\S]*: )?(Stream read error|Invalid stream format|Invalid property value|Property does not exist|)"
        R"(Invalid property path|Data before Size|Data length -?[0-9]+ differs from Size -?[0-9]+|)"
        R"(Data missing for Size [0-9]+)|Class [\s\S]* not found|([\s\S]*: )?''[\s\S]*'' is not a valid component name)");
    return std::regex_match(message, inner);
}

}  // namespace

TEST(ReaderRobustness, CutShortAtEveryOffsetIsAStreamReadError) {
    const std::string full = SamplePayload();
    ASSERT_GT(full.size(), 40000u);
    static const std::regex wrappedReadError("(Error reading [^:]+: )*Stream read error", std::regex::extended);
    size_t wrapped = 0;
    // Every offset through the headers and small items; inside the big content every 97th.
    for (size_t length = 0; length < full.size(); length += (length < 1200 || length + 1200 > full.size()) ? 1 : 97) {
        std::string message = test::LoadError(full.substr(0, length));
        ASSERT_TRUE(std::regex_match(message, wrappedReadError)) << "cut at " << length << ": " << message;
        if (message != "Stream read error") ++wrapped;
    }
    EXPECT_GT(wrapped, 0u);
    EXPECT_EQ(test::LoadError(full), "(loaded)");
}

TEST(ReaderRobustness, WrappedMessagesNameWhereTheDataEnded) {
    const std::string full = SamplePayload();
    size_t inLicence = full.find("License.Strings") + 20;
    EXPECT_EQ(test::LoadError(full.substr(0, inLicence)), "Error reading TInstallerData.License.Strings: Stream read error");
    size_t inFirstName = full.find("\\common\\Help") + 3;
    EXPECT_EQ(test::LoadError(full.substr(0, inFirstName)),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Name: Stream read error");
}

TEST(ReaderRobustness, SeededRandomMutationsLoadOrFailWithAFormatMessage) {
    const std::string valid = SamplePayload();
    std::mt19937 random(20261208);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid;
        int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            size_t at = random() % bytes.size();
            switch (random() % 5) {
                case 0: bytes[at] = static_cast<char>(random()); break;
                case 1: bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8))); break;
                case 2: bytes.insert(at, 1, static_cast<char>(random())); break;
                case 3: bytes.erase(at, 1 + random() % 8); break;
                case 4: bytes[at] = static_cast<char>(0xFF); if (at + 1 < bytes.size()) bytes[at + 1] = '\x7F'; break;
            }
            if (bytes.empty()) bytes = "T";
        }
        test::AllocationProbe probe;
        std::string message = test::LoadError(bytes);
        if (message == "(loaded)") {
            ++loaded;
        } else {
            ASSERT_TRUE(IsFormatMessage(message)) << "round " << round << ": " << message;
        }
        // The content buffers are the largest: never more than the input could hold.
        ASSERT_LE(probe.Largest(), bytes.size() + 4096) << "round " << round;
    }
    EXPECT_GT(loaded, 0);
}

TEST(ReaderRobustness, HugeLengthsFailBeforeAnythingOfThatSizeIsAllocated) {
    struct Case {
        const char* what;
        std::string stream;
        std::string message;
    };
    auto item = [](const std::string& properties) {
        return Bytes().Root().Name("Files").Raw({0x0E, 0x01}).Raw(properties).Raw({0x00, 0x00, 0x00, 0x00}).str();
    };
    const Case cases[] = {
        {"binary", item(Bytes().Name("Size").Raw({0x04}).Int32Le(0x7FFFFFF0).Name("Data").Raw({0x0A}).Int32Le(0x7FFFFFF0)),
         "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Stream read error"},
        {"negative binary", item(Bytes().Name("Size").Raw({0x02, 0x01}).Name("Data").Raw({0x0A}).Int32Le(-2)),
         "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Stream read error"},
        {"long string", item(Bytes().Name("Name").Raw({0x0C}).Int32Le(0x40000000).Raw("abc")),
         "Error reading TInstallerData.Files: Error reading TFileHolder.Name: Stream read error"},
        {"negative long string", item(Bytes().Name("Name").Raw({0x0C}).Int32Le(INT32_MIN)),
         "Error reading TInstallerData.Files: Error reading TFileHolder.Name: Stream read error"},
        {"licence line", Bytes().Root().Name("License.Strings").Raw({0x01, 0x0C}).Int32Le(100000).Raw({0x00, 0x00, 0x00}),
         "Error reading TInstallerData.License.Strings: Stream read error"},
        {"one byte short", item(Bytes().Name("Size").Raw({0x02, 0x10}).Name("Data").Raw({0x0A}).Int32Le(16).Raw(std::string(11, 'd'))),
         "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Stream read error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::AllocationProbe probe;
        EXPECT_EQ(test::LoadError(c.stream), c.message);
        EXPECT_LT(probe.Largest(), 64u * 1024u);
    }
}

TEST(WriterRobustness, AFileWhoseCopyFindsNoMemoryIsNamed) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\large.bin", 300000, 745366348, 32);
    rtl::TMemoryStream out;
    try {
        test::AllocationLimit memory(200000);
        rtl::WriteComponentStream(out, data);
        ADD_FAILURE() << "written";
    } catch (const rtl::EWriteError& e) {
        EXPECT_EQ(e.Message(), "Cannot write \\common\\large.bin into the payload: out of memory for the copy of its "
                               "300000 bytes that the stream writer makes");
    }
}
