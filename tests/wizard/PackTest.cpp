// The packing command behind the hidden Pack button: data.res from Data and license.txt beside
// the executable, written all or nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "rtl/Streaming.h"
#include "tests/wizard/WizardFixture.h"

namespace {

using wizard_test::Files;
using wizard_test::Wizard;

class PackCommand : public ::testing::Test {
public:
    PackCommand()
        : exe_(platform::Files().getModuleFileName, [this] { return build_.Path() + "\\setup.exe"; }) {
        test::MakeFolders(Path("\\Data\\common\\Sources"));
        test::MakeFolders(Path("\\Data\\d6\\Lib"));
        test::WriteWholeFile(Path("\\Data\\common\\Sources\\KvGrid.pas"), "unit KvGrid;");
        test::WriteWholeFile(Path("\\Data\\d6\\Lib\\kv40d6.dpk"), "package kv40d6;");
        test::WriteWholeFile(Path("\\license.txt"), "First\r\nSecond\n");
    }
    std::string Path(const std::string& relative) const { return build_.Path() + relative; }

    // What data.res holds, read back as a payload.
    payload::TInstallerData* ReadBack() {
        const std::string file = test::ReadWholeFile(Path("\\data.res"));
        rtl::TReadOnlyMemoryStream stream(file.data() + 22, static_cast<int64_t>(file.size() - 22));
        auto* data = new payload::TInstallerData(&wizard_.Application());
        rtl::ReadComponentStream(stream, *data);
        return data;
    }

    Wizard wizard_{Files{{"\\d6\\a"}}};
    test::TempDir build_;

private:
    platform::ScopedOverride<std::function<std::string()>> exe_;
};

TEST_F(PackCommand, WritesDataResFromTheFolderBesideTheExecutableAndLeavesTheInstallerAlone) {
    payload::TInstallerData* running = payload::InstallerData;
    wizard_.Form().btnPackClick(*wizard_.Form().btnPack);
    EXPECT_EQ(payload::InstallerData, running);
    EXPECT_EQ(running->Files().Count(), 1);
    ASSERT_EQ(wizard_.boxes.size(), 1u);
    EXPECT_EQ(wizard_.boxes[0].text, "Packing done... Don't forget rebuild program!!");

    payload::TInstallerData* packed = ReadBack();
    ASSERT_EQ(packed->Files().Count(), 2);
    EXPECT_EQ(packed->Files().Item(0).Name, "\\common\\Sources\\KvGrid.pas");
    EXPECT_EQ(packed->Files().Item(1).Name, "\\d6\\Lib\\kv40d6.dpk");
    EXPECT_EQ(packed->License().Lines(), (std::vector<std::string>{"First", "Second"}));
    EXPECT_FALSE(test::FileExists(Path("\\data.res.kvnew")));
}

TEST_F(PackCommand, AFailureLeavesTheEarlierDataResAsItWas) {
    const std::string earlier = "the earlier data.res";
    struct Case {
        const char* what;
        std::function<std::function<void()>(PackCommand&)> arrange;  // returns what undoes it
        std::string message;
    } cases[] = {
        {"licence missing",
         [](PackCommand& t) {
             DeleteFileA(t.Path("\\license.txt").c_str());
             return [] {};
         },
         "Cannot open file " + Path("\\license.txt")},
        {"a file below Data open in another program",
         [](PackCommand& t) {
             HANDLE h = CreateFileA(t.Path("\\Data\\d6\\Lib\\kv40d6.dpk").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
             return [h] { CloseHandle(h); };
         },
         "Cannot open file " + Path("\\Data\\d6\\Lib\\kv40d6.dpk")},
        {"data.res read-only",
         [](PackCommand& t) {
             SetFileAttributesA(t.Path("\\data.res").c_str(), FILE_ATTRIBUTE_READONLY);
             return [&t] { SetFileAttributesA(t.Path("\\data.res").c_str(), FILE_ATTRIBUTE_NORMAL); };
         },
         "Cannot create file " + Path("\\data.res")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::WriteWholeFile(Path("\\license.txt"), "First\r\n");
        test::WriteWholeFile(Path("\\data.res"), earlier);
        std::function<void()> undo = c.arrange(*this);
        try {
            wizard_.Form().btnPackClick(*wizard_.Form().btnPack);
            ADD_FAILURE() << "packed";
        } catch (const rtl::Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        undo();
        EXPECT_EQ(test::ReadWholeFile(Path("\\data.res")), earlier);
        EXPECT_FALSE(test::FileExists(Path("\\data.res.kvnew")));
    }
    EXPECT_TRUE(wizard_.boxes.empty());
}

}  // namespace
