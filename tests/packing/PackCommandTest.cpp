// The packing command itself: the licence text rule and the bytes of the resource file it writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "payload/PackCommand.h"
#include "rtl/Streaming.h"
#include "platform/Files.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"
#include "tests/packing/PackingFixture.h"

using packing_test::DataTree;

namespace {

std::vector<std::string> LicenseLinesOf(const std::string& text) {
    DataTree tree;
    tree.Add("\\license.txt", text);
    payload::TInstallerData data(nullptr);
    data.License().Add("left over from before");
    data.License().LoadFromFile(tree.Path("\\license.txt"));
    return data.License().Lines();
}

// What the packing command writes: data.res beside the Data folder, read back whole; the files
// and licence lines it reports packing.
struct Packed {
    std::string bytes;
    payload::PackResult counted;
};

Packed Pack(const DataTree& tree) {
    const std::string resource = tree.Path("\\data.res");
    Packed packed;
    packed.counted = payload::PackPayload(nullptr, tree.Path("\\Data"), tree.Path("\\license.txt"), resource);
    packed.bytes = test::ReadWholeFile(resource);
    return packed;
}

}  // namespace

TEST(LicenseText, EveryKindOfLineEndEndsOneLine) {
    EXPECT_EQ(LicenseLinesOf("dos\r\nunix\nmac\rlast"), (std::vector<std::string>{"dos", "unix", "mac", "last"}));
    EXPECT_EQ(LicenseLinesOf("a\r\n\r\nb\n\nc\r\rd\n\r"), (std::vector<std::string>{"a", "", "b", "", "c", "", "d", ""}));
    EXPECT_EQ(LicenseLinesOf("ends with a line end\r\n"), (std::vector<std::string>{"ends with a line end"}));
    EXPECT_EQ(LicenseLinesOf(" "), (std::vector<std::string>{" "}));
    EXPECT_EQ(LicenseLinesOf(std::string("before\nzero\0after\n", 18)), (std::vector<std::string>{"before", "zero"}));
    EXPECT_TRUE(LicenseLinesOf("").empty());
}

TEST(LicenseText, AMissingOrWriteLockedLicenceCannotBeOpened) {
    DataTree tree;
    tree.Add("\\license.txt", "text");
    payload::TInstallerData data(nullptr);
    EXPECT_THROW(data.License().LoadFromFile(tree.Path("\\missing.txt")), rtl::EFOpenError);

    using namespace platform;
    FileHandle writer(Files().createFile(tree.Path("\\license.txt"), access::Write, share::Read,
                                         disposition::OpenExisting, attr::Normal));
    ASSERT_TRUE(writer.Valid());
    try {
        data.License().LoadFromFile(tree.Path("\\license.txt"));
        FAIL() << "read a licence that another program is writing";
    } catch (const rtl::EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + tree.Path("\\license.txt"));
    }
}

TEST(PackedResource, HasTheResourceHeaderAndIsTheSameWhenPackedTwice) {
    DataTree tree;
    tree.Add("\\license.txt", "Licence\r\nline two\r\n");
    tree.Add("\\Data\\readme.txt", "not extracted by any tag");
    tree.Add("\\Data\\common\\Sources\\KvButton.pas", "unit KvButton;");
    tree.Add("\\Data\\d6\\Help\\KVD6.HLP", std::string(300, '\x3F'));
    tree.Stamp("\\Data\\common\\Sources\\KvButton.pas");

    const Packed packed = Pack(tree);
    EXPECT_EQ(packed.counted.files, 3);
    EXPECT_EQ(packed.counted.licenseLines, 2);
    const std::string& first = packed.bytes;
    EXPECT_EQ(first, Pack(tree).bytes);

    const std::string header("\xFF\x0A\x00INSTALL_DATA\x00\x30\x10", 18);
    ASSERT_GT(first.size(), 22u);
    EXPECT_EQ(first.substr(0, 18), header);
    const uint32_t length = static_cast<uint8_t>(first[18]) | static_cast<uint8_t>(first[19]) << 8 |
                            static_cast<uint8_t>(first[20]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(first[21])) << 24;
    EXPECT_EQ(length, first.size() - 22);
    EXPECT_EQ(first.substr(22, 4), "TPF0");

    // Read back: the names, time stamp, content and licence lines as they were on disk.
    payload::TInstallerData loaded(nullptr);
    rtl::TReadOnlyMemoryStream stream(first.data() + 22, static_cast<int64_t>(length));
    rtl::ReadComponentStream(stream, loaded);
    ASSERT_EQ(loaded.Files().Count(), 3);
    EXPECT_EQ(loaded.Files().Item(0).Name, "\\readme.txt");
    EXPECT_EQ(loaded.License().Lines(), (std::vector<std::string>{"Licence", "line two"}));
    int stamped = 0;
    for (int i = 0; i < loaded.Files().Count(); ++i) {
        const payload::TFileHolder& item = loaded.Files().Item(i);
        if (item.Name != "\\common\\Sources\\KvButton.pas") continue;
        ++stamped;
        EXPECT_EQ(item.Age, packing_test::SampleAge);
        EXPECT_EQ(std::string(item.Content.begin(), item.Content.end()), "unit KvButton;");
    }
    EXPECT_EQ(stamped, 1) << "\\common\\Sources\\KvButton.pas under its name as on disk";
}

TEST(PackedResource, WithoutDataFolderOrLicenceLinesHoldsAnEmptyCollectionOnly) {
    DataTree tree;
    tree.Add("\\license.txt", "");
    const std::string packed = Pack(tree).bytes;
    // Signature, class name, empty object name, "Files" as an empty collection, the two end markers.
    const std::string stream = std::string("TPF0\x0ETInstallerData\x00\x05" "Files\x0E\x00\x00\x00", 30);
    EXPECT_EQ(packed.substr(22), stream);
    EXPECT_EQ(packed.find("License.Strings"), std::string::npos);
}
