#include <gtest/gtest.h>

#include "rtl/Format.h"

using rtl::Format;

TEST(Format, FillsPlaceholdersInOrder) {
    EXPECT_EQ(Format("Error reading %s%s%s: %s", "TFileHolder", ".", "Size", "Invalid property value"),
              "Error reading TFileHolder.Size: Invalid property value");
    EXPECT_EQ(Format("%d files, %s", 177, "ok"), "177 files, ok");
    EXPECT_EQ(Format("100%% done"), "100% done");
}

TEST(Format, MissingArgumentsStayEmptyAndOddPercentsStay) {
    EXPECT_EQ(Format("a %s b %s", "x"), "a x b ");
    EXPECT_EQ(Format("50% %x %"), "50% %x %");
}
