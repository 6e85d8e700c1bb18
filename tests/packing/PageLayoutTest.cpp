// The page-aligned section layout that lets Wine map an installer's sections (the payload among
// them) rather than read them before the program starts, and bind's restoring of it when the
// platform's resource update writes the file with another alignment.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payload/kvpack/Bind.h"
#include "payload/kvpack/PeImage.h"
#include "platform/Resources.h"
#include "platform/Seam.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

DWORD FileAlignment(const std::vector<uint8_t>& image) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew)->OptionalHeader.FileAlignment;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    test::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace

TEST(PageLayout, ARealignedProgramStillRunsAndComesBackAsTheLinkerMadeIt) {
    test::TempDir dir;
    const std::vector<uint8_t> linked = Bytes(test::ReadWholeFile(test::ExecutableFolder() + "kvpack.exe"));
    ASSERT_EQ(FileAlignment(linked), 4096u);

    std::vector<uint8_t> packed, again;
    ASSERT_TRUE(kvpack::WithFileAlignment(linked.data(), linked.size(), 512, &packed));
    EXPECT_EQ(FileAlignment(packed), 512u);
    EXPECT_LT(packed.size(), linked.size());
    WriteBytes(dir.Path() + "\\packed.exe", packed);
    const test::ChildResult run = test::RunChild("\"" + dir.Path() + "\\packed.exe\"");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.err.rfind("usage:", 0), 0u) << run.err;

    // Back at page alignment: the linker's bytes, its checksum included.
    ASSERT_TRUE(kvpack::WithFileAlignment(packed.data(), packed.size(), 4096, &again));
    EXPECT_TRUE(again == linked);
}

TEST(PageLayout, BindRestoresTheLayoutThatTheResourceUpdateLost) {
    test::TempDir dir;
    const std::string out = dir.Path() + "\\bound.exe";
    auto& resources = platform::Resources();
    // A resource update such as one that writes the file at the usual 512-byte alignment.
    using Update = std::function<bool(const std::string&, const std::vector<platform::ResourceChange>&)>;
    platform::ScopedOverride<Update> lossy(resources.updateFileResources,
        Update(
            [&lossy](const std::string& file, const std::vector<platform::ResourceChange>& changes) {
                if (!lossy.Original()(file, changes)) return false;
                const std::vector<uint8_t> image = Bytes(test::ReadWholeFile(file));
                std::vector<uint8_t> packed;
                if (!kvpack::WithFileAlignment(image.data(), image.size(), 512, &packed)) return false;
                WriteBytes(file, packed);
                return true;
            }));
    const std::string stream = test::ReadWholeFile(test::ExecutableFolder() + "data.res").substr(22);
    kvpack::BindPayload(test::ExecutableFolder() + "install.exe", Bytes(stream), out);

    EXPECT_EQ(FileAlignment(Bytes(test::ReadWholeFile(out))), 4096u);
    platform::MappedBytes payload;
    ASSERT_TRUE(resources.readFileRcData(out, "INSTALL_DATA", &payload));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(payload.data.get()), payload.size), stream);
}
