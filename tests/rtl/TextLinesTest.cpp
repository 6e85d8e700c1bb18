#include <gtest/gtest.h>

#include "rtl/TextLines.h"

using rtl::SplitLines;
using Lines = std::vector<std::string>;

TEST(SplitLines, EachKindOfLineEndEndsOneLine) {
    EXPECT_EQ(SplitLines(std::string("a\r\nb\nc\rd")), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines(std::string("a\n\rb")), (Lines{"a", "", "b"}));  // LF then CR: two ends
    EXPECT_EQ(SplitLines(std::string("a\r\n\r\nb")), (Lines{"a", "", "b"}));
}

TEST(SplitLines, EndsOfText) {
    EXPECT_EQ(SplitLines(std::string("")), Lines{});
    EXPECT_EQ(SplitLines(std::string("last")), Lines{"last"});
    EXPECT_EQ(SplitLines(std::string("a\r\n")), Lines{"a"});
    EXPECT_EQ(SplitLines(std::string("a\r\n\r\n")), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines(std::string("\n")), Lines{""});
    EXPECT_EQ(SplitLines(std::string("a\nb\0c\nd", 7)), (Lines{"a", "b"}));  // a 0 byte ends the text
}

TEST(JoinLines, EveryLineEndsInCrLf) {
    EXPECT_EQ(rtl::JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(rtl::JoinLinesCrLf({}), "");
}
