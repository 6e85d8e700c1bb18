// What the reader accepts, and how it fails, message for message.
#include <gtest/gtest.h>

#include "payload/InstTypes.h"
#include "rtl/Exceptions.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"
#include "tests/payload/StreamBytes.h"

using payload::TInstallerData;
using test::Bytes;
using test::LoadError;

namespace {

// A stream whose collection holds one item with the given properties (bytes after the List tag).
std::string OneItem(const std::string& itemProperties) {
    return Bytes().Root().Name("Files").Raw({0x0E, 0x01}).Raw(itemProperties).Raw({0x00, 0x00, 0x00, 0x00});
}

// A stream whose root holds one property with the given value bytes.
std::string RootProperty(const std::string& name, const std::string& value) {
    return Bytes().Root().Name(name).Raw(value).Raw({0x00, 0x00});
}

const char kFilesInvalid[] = "Error reading TInstallerData.Files: Invalid property value";

}  // namespace

TEST(ReaderAccepts, AnyRootClassNameAPrefixAndTrailingBytes) {
    std::string body = Bytes().Name("Files").Raw({0x0E, 0x01}).Name("Name").Str("\\common\\x").Raw({0x00, 0x00, 0x00, 0x00});
    for (const std::string& stream : {
             Bytes().Signature().Name("TSomethingElse").Name("").Raw(body).str(),
             Bytes().Signature().Raw({0xF2, 0x03, 0x10, 0x00}).Name("TInstallerData").Name("").Raw(body).str(),
             Bytes().Signature().Raw({0xF1}).Name("TInstallerData").Name("").Raw(body).str(),
             Bytes().Root().Raw(body).Raw("garbage after the end \x07\x07").str(),
         }) {
        TInstallerData data(nullptr);
        test::ReadFromBytes(stream, data);
        ASSERT_EQ(data.Files().Count(), 1);
        EXPECT_EQ(data.Files().Item(0).Name, "\\common\\x");
    }
}

TEST(ReaderAccepts, NamesWithoutRegardToCaseTagLeftTopAndItemIndexes) {
    std::string stream = Bytes()
                             .Signature().Name("TInstallerData").Name("Data_1")
                             .Name("TAG").Raw({0x02, 0x07})
                             .Name("left").Raw({0x03, 0x00, 0x01})
                             .Name("Top").Raw({0x02, 0x05})
                             .Name("files").Raw({0x0E})
                             .Raw({0x02, 0x09, 0x01}).Name("nAmE").Str("\\d5\\a").Name("SIZE").Raw({0x02, 0x00}).Raw({0x00})
                             .Raw({0x00})
                             .Name("LICENSE.strings").Raw({0x01}).Str("one").Raw({0x00})
                             .Raw({0x00, 0x00});
    TInstallerData data(nullptr);
    test::ReadFromBytes(stream, data);
    EXPECT_EQ(data.Name(), "Data_1");
    EXPECT_EQ(data.Tag, 7);
    EXPECT_EQ(data.DesignLeft, 256);
    EXPECT_EQ(data.DesignTop, 5);
    ASSERT_EQ(data.Files().Count(), 1);
    EXPECT_EQ(data.Files().Item(0).Name, "\\d5\\a");
    EXPECT_EQ(data.License().Lines(), std::vector<std::string>{"one"});
}

TEST(ReaderFails, SignatureTruncationAndChildren) {
    EXPECT_EQ(LoadError("TPF1" + Bytes().Name("TInstallerData").Name("").Raw({0, 0}).str()), "Invalid stream format");
    EXPECT_EQ(LoadError("TP"), "Stream read error");
    EXPECT_EQ(LoadError(""), "Stream read error");
    EXPECT_EQ(LoadError(Bytes().Root().Raw({0x00}).Name("TButton").Name("Button1").Raw({0x00, 0x00, 0x00})),
              "Class TButton not found");
    EXPECT_EQ(LoadError(Bytes().Signature().Name("TInstallerData").Name("1st").Raw({0x00, 0x00})),
              "''1st'' is not a valid component name");
}

TEST(ReaderFails, ChildClassNotFoundIsItsOwnKind) {
    TInstallerData data(nullptr);
    EXPECT_THROW(test::ReadFromBytes(Bytes().Root().Raw({0x00, 0xF0}).Name("TLabel").Name("").Raw({0, 0, 0}), data),
                 rtl::EClassNotFound);
    EXPECT_THROW(test::ReadFromBytes(Bytes().Signature().Name("T").Name("a b").Raw({0, 0}), data), rtl::EComponentError);
}

TEST(ReaderFails, UnknownPropertiesAndPaths) {
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Foo").Raw({0x02, 0x01}))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Foo: Property does not exist");
    EXPECT_EQ(LoadError(RootProperty("Bar", "\x02\x01")), "Error reading TInstallerData.Bar: Property does not exist");
    EXPECT_EQ(LoadError(RootProperty("Foo.Strings", "\x01\x00")),
              "Error reading TInstallerData.Foo.Strings: Property does not exist");
    EXPECT_EQ(LoadError(RootProperty("License.Lines", "\x01\x00")),
              "Error reading TInstallerData.License.Lines: Property does not exist");
    EXPECT_EQ(LoadError(RootProperty("Tag.Strings", "\x01\x00")),
              "Error reading TInstallerData.Tag.Strings: Invalid property path");
    EXPECT_EQ(LoadError(RootProperty("Left.X", "\x02\x01")), "Error reading TInstallerData.Left.X: Property does not exist");
    // A named root is reported by its name.
    EXPECT_EQ(LoadError(Bytes().Signature().Name("TInstallerData").Name("Setup").Name("Bar").Raw({0x02, 0x01, 0, 0})),
              "Error reading Setup.Bar: Property does not exist");
}

TEST(ReaderFails, ValuesThatDoNotFitTheProperty) {
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Size").Str("12"))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Size: Invalid property value");
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Name").Raw({0x02, 0x05}))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Name: Invalid property value");
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Name").Raw({0x12, 0x01, 0, 0, 0, 0x41, 0x00}))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Name: Invalid property value");
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Size").Raw({0x02, 0x01}).Name("Data").Str("x"))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Invalid property value");
    EXPECT_EQ(LoadError(Bytes().Root().Name("Files").Raw({0x0E, 0x06, 0x00, 0x00, 0x00, 0x00})), kFilesInvalid);
    EXPECT_EQ(LoadError(RootProperty("Tag", "\x06\x01x")), "Error reading TInstallerData.Tag: Invalid property value");
    EXPECT_EQ(LoadError(RootProperty("License.Strings", Bytes().Raw({0x01, 0x02, 0x05, 0x00}))),
              "Error reading TInstallerData.License.Strings: Invalid property value");
    EXPECT_EQ(LoadError(RootProperty("Info.Strings", Bytes().Str("not a list"))),
              "Error reading TInstallerData.Info.Strings: Invalid property value");
}

TEST(ReaderFails, ObjectPropertiesTakeNoNilIdentBooleanOrOtherObject) {
    struct Case {
        std::string property;
        std::string value;
    };
    const std::string ident = Bytes().Raw({0x07}).Name("Other");
    for (const Case& c : {Case{"Files", "\x0D"}, Case{"Files", std::string(1, '\0')}, Case{"Files", "\x08"},
                          Case{"Files", "\x09"}, Case{"Files", ident}, Case{"Files", "\x01\x00"},
                          Case{"License", "\x0D"}, Case{"License", "\x08"}, Case{"License", "\x09"},
                          Case{"License", ident}, Case{"License", "\x01\x00"}, Case{"License", "\x0E\x00"},
                          Case{"Info", "\x0D"}, Case{"Info", std::string(1, '\0')}, Case{"Info", ident},
                          Case{"Info", "\x0E\x00"}}) {
        SCOPED_TRACE(c.property + " tag " + std::to_string(static_cast<unsigned char>(c.value[0])));
        EXPECT_EQ(LoadError(RootProperty(c.property, c.value)),
                  "Error reading TInstallerData." + c.property + ": Invalid property value");
    }
}

TEST(ReaderFails, ItemsMustStartWithAList) {
    EXPECT_EQ(LoadError(Bytes().Root().Name("Files").Raw({0x0E, 0x02, 0x01, 0x06, 0x00, 0x00, 0x00, 0x00})),
              kFilesInvalid);
}

TEST(ReaderFails, ContentMustFollowSizeAndMatchIt) {
    const std::string size3 = Bytes().Name("Size").Raw({0x02, 0x03});
    const std::string data3 = Bytes().Name("Data").Raw({0x0A}).Int32Le(3).Raw("abc");
    EXPECT_EQ(LoadError(OneItem(size3 + data3)), "(loaded)");
    EXPECT_EQ(LoadError(OneItem(data3 + size3)),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Data before Size");
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Size").Raw({0x02, 0x04}).Raw(data3))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Data length 3 differs from Size 4");
    EXPECT_EQ(LoadError(OneItem(size3)),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Data missing for Size 3");
    EXPECT_EQ(LoadError(OneItem(size3 + data3 + Bytes().Name("Size").Raw({0x02, 0x05}).str())),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Data: Data length 3 differs from Size 5");
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Size").Raw({0x02, 0xFF}))),
              "Error reading TInstallerData.Files: Error reading TFileHolder.Size: Invalid property value");
    EXPECT_EQ(LoadError(OneItem(Bytes().Name("Size").Raw({0x02, 0x00}))), "(loaded)");
}

// A component whose object-valued property holds no object.
class TEmptyHolder : public rtl::TComponent {
public:
    TEmptyHolder() : rtl::TComponent(nullptr) {}
    const char* ClassName() const override { return "TEmptyHolder"; }
    const rtl::PropertyTable* StoredProperties() const override {
        static const rtl::PropertyInfo properties[] = {
            rtl::ObjectProperty("Lines", [](rtl::TPersistent&) -> rtl::TPersistent* { return nullptr; })};
        static const rtl::PropertyTable table = {rtl::TComponent::StoredProperties(), properties, 1};
        return &table;
    }
};

TEST(ReaderFails, APathThroughAnEmptyObjectProperty) {
    TEmptyHolder holder;
    try {
        test::ReadFromBytes(Bytes().Signature().Name("TEmptyHolder").Name("").Name("Lines.Strings").Raw({0x01, 0x00, 0x00, 0x00}),
                            holder);
        ADD_FAILURE() << "read through nothing";
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "Error reading TEmptyHolder.Lines.Strings: Invalid property path");
    }
}

TEST(ReaderFails, FailedReadKeepsWhatWasReadBefore) {
    TInstallerData data(nullptr);
    std::string stream = Bytes().Root().Name("Tag").Raw({0x02, 0x04}).Name("Nope").Raw({0x02, 0x01, 0x00, 0x00});
    EXPECT_THROW(test::ReadFromBytes(stream, data), rtl::EReadError);
    EXPECT_EQ(data.Tag, 4);
}

TEST(ReaderLends, ContentRefersToLentMemoryAndKeepsItAlive) {
    TInstallerData source(nullptr);
    test::AddFile(source.Files(), "\\common\\a.bin", 5000);
    test::AddFile(source.Files(), "\\common\\empty.txt", 0);
    const std::string bytes = test::WriteToBytes(source);

    rtl::SharedBytes memory(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    const uint8_t* first = memory.data();
    const uint8_t* last = first + memory.size();
    TInstallerData lent(nullptr);
    {
        rtl::TReadOnlyMemoryStream in(memory);
        rtl::ReadComponentStream(in, lent);
    }
    memory = rtl::SharedBytes();  // from here on only the item keeps the bytes
    const rtl::SharedBytes& content = lent.Files().Item(0).Content;
    EXPECT_TRUE(content.data() > first && content.data() + content.size() < last);
    EXPECT_EQ(content, source.Files().Item(0).Content);
    EXPECT_TRUE(lent.Files().Item(1).Content.empty());

    // Memory that only outlives the stream is copied.
    TInstallerData copied(nullptr);
    test::ReadFromBytes(bytes, copied);
    const auto* inBytes = reinterpret_cast<const uint8_t*>(bytes.data());
    const uint8_t* copy = copied.Files().Item(0).Content.data();
    EXPECT_TRUE(copy < inBytes || copy >= inBytes + bytes.size());
    EXPECT_EQ(copied.Files().Item(0).Content, source.Files().Item(0).Content);
}
