#include "tests/e2e/PackedFiles.h"

#include <gtest/gtest.h>

#include "tests/e2e/driver/DiskFiles.h"
#include "tests/support/TempDir.h"

namespace e2e_test {

using namespace e2e;

std::string Packed(const std::string& tag) { return std::string(KV_PAYLOAD_STAGE) + "\\" + tag; }

void ExpectInstalled(const std::string& tag, const std::string& name, const std::string& folder) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(test::FileExists(folder + name));
    const DiskFile packed = FileAt(Packed(tag) + name, name);
    EXPECT_EQ(FileAt(folder + name, name), packed) << DosTimeText(packed.dosTime);
    EXPECT_EQ(test::ReadWholeFile(folder + name), test::ReadWholeFile(Packed(tag) + name));
}

int ExpectExtracted(const std::string& tag, const std::string& folder, const std::string& skipped) {
    int compared = 0;
    for (const DiskFile& packed : FilesBelow(Packed(tag))) {
        if (!skipped.empty() && packed.name.rfind(skipped, 0) == 0) continue;
        ExpectInstalled(tag, packed.name, folder);
        ++compared;
    }
    return compared;
}

}  // namespace e2e_test
