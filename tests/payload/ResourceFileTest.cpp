// Saving the installer data as a resource file next to the executable, on the real file system.
#include <gtest/gtest.h>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "tests/payload/StreamBytes.h"
#include "tests/support/TempDir.h"

using payload::TInstallerData;

namespace {
// Makes the running executable appear to live at path.
platform::ScopedOverride<std::function<std::string()>> ExecutableAt(const std::string& path) {
    return platform::ScopedOverride<std::function<std::string()>>(platform::Files().getModuleFileName,
                                                                  [path] { return path; });
}
}  // namespace

TEST(SaveToResourceFile, WritesNextToTheExecutableAndReadsBack) {
    test::TempDir dir;
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\big.bin", 20000);
    test::AddFile(data.Files(), "\\d6\\small.txt", 3);
    data.License().Add("line");
    test::WriteWholeFile(dir.Path() + "\\data.res", "older and longer content that is replaced entirely....");
    {
        auto exe = ExecutableAt(dir.Path() + "\\setup.exe");
        data.SaveToResourceFile("data.res");
    }
    std::string file = test::ReadWholeFile(dir.Path() + "\\data.res");
    std::string stream = test::WriteToBytes(data);
    ASSERT_EQ(file.size(), 22 + stream.size());
    EXPECT_EQ(file.substr(0, 16), std::string("\xFF\x0A\x00INSTALL_DATA", 15) + '\0');
    EXPECT_EQ(file.substr(22), stream);

    std::string resource = file.substr(22);
    platform::ScopedOverride served(platform::Resources().findOwnRcData,
                                    std::function<bool(const std::string&, platform::ResourceBytes*)>(
                                        [&](const std::string&, platform::ResourceBytes* out) {
                                            out->data = reinterpret_cast<const uint8_t*>(resource.data());
                                            out->size = static_cast<uint32_t>(resource.size());
                                            return true;
                                        }));
    TInstallerData back(nullptr);
    back.LoadFromResource();
    ASSERT_EQ(back.Files().Count(), 2);
    EXPECT_EQ(back.Files().Item(0).Content, data.Files().Item(0).Content);
    EXPECT_EQ(back.License().Lines(), data.License().Lines());
}

TEST(SaveToResourceFile, UncreatableFileNamesItsPath) {
    test::TempDir dir;
    auto exe = ExecutableAt(dir.Path() + "\\missing\\setup.exe");
    TInstallerData data(nullptr);
    try {
        data.SaveToResourceFile("data.res");
        FAIL();
    } catch (const rtl::EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + dir.Path() + "\\missing\\data.res");
    }
}

TEST(SaveToResourceFile, FullVolumeIsAStreamWriteErrorAndTheFileIsClosed) {
    test::TempDir dir;
    auto exe = ExecutableAt(dir.Path() + "\\setup.exe");
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\common\\big.bin", 10000);
    auto& files = platform::Files();
    platform::Handle created = platform::InvalidHandle;
    bool closed = false;
    int writes = 0;
    auto create = files.createFile;
    auto write = files.writeFile;
    auto close = files.closeHandle;
    platform::ScopedOverride recordCreate(files.createFile, decltype(create)([&](const std::string& p, uint32_t a, uint32_t s,
                                                                                   uint32_t d, uint32_t f) {
                                              return created = create(p, a, s, d, f);
                                          }));
    // The header goes out first; the writer's first block then finds the volume full halfway.
    platform::ScopedOverride fillVolume(files.writeFile, decltype(write)([&](platform::Handle h, const void* b, uint32_t n,
                                                                              uint32_t* done) {
                                            return write(h, b, ++writes == 2 ? n / 2 : n, done);
                                        }));
    platform::ScopedOverride recordClose(files.closeHandle, decltype(close)([&](platform::Handle h) {
                                             if (h == created) closed = true;
                                             return close(h);
                                         }));
    try {
        data.SaveToResourceFile("data.res");
        FAIL();
    } catch (const rtl::EWriteError& e) {
        EXPECT_EQ(e.Message(), "Stream write error");
    }
    EXPECT_TRUE(closed);
}
