#include <gtest/gtest.h>

#include <cstring>

#include "platform/Files.h"
#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "rtl/Int32Size.h"
#include "rtl/StringList.h"
#include "rtl/Streams.h"
#include "tests/support/TempDir.h"

using namespace rtl;

TEST(MemoryStream, ReadsWhatWasWrittenAndFailsPastTheEnd) {
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.Size(), 6);
    s.SetPosition(2);
    char buf[4] = {};
    s.ReadBuffer(buf, 3);
    EXPECT_EQ(std::string(buf, 3), "cde");
    try {
        s.ReadBuffer(buf, 2);
        FAIL() << "read past the end";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
}

TEST(FileStream, MissingFileAndUncreatableFileCarryTheirPaths) {
    test::TempDir dir;
    std::string missing = dir.Path() + "\\nothing.txt";
    try {
        TFileStream f(missing, FileMode::OpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + missing);
    }
    std::string bad = dir.Path() + "\\no\\such\\folder\\x.txt";
    try {
        TFileStream f(bad, FileMode::Create);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + bad);
    }
}

TEST(FileStream, ShortWriteAsOnAFullVolumeIsAStreamWriteError) {
    test::TempDir dir;
    TFileStream f(dir.Path() + "\\full.bin", FileMode::Create);
    platform::ScopedOverride fault(platform::Files().writeFile,
                                   std::function<bool(platform::Handle, const void*, uint32_t, uint32_t*)>(
                                       [](platform::Handle, const void*, uint32_t count, uint32_t* done) {
                                           *done = count / 2;
                                           return true;
                                       }));
    EXPECT_THROW(f.WriteBuffer("0123456789", 10), EWriteError);
}

TEST(StringList, FileRoundTripUsesCrLfAndTheLineRule) {
    test::TempDir dir;
    std::string path = dir.Path() + "\\lines.txt";
    TStringList list;
    list.Add("first");
    list.Add("");
    list.Add("Third");
    list.SaveToFile(path);
    EXPECT_EQ(test::ReadWholeFile(path), "first\r\n\r\nThird\r\n");

    TStringList back;
    back.Add("stale");
    back.LoadFromFile(path);
    EXPECT_EQ(back.Lines(), list.Lines());
    EXPECT_EQ(back.IndexOf("THIRD"), 2);
    EXPECT_EQ(back.IndexOf("second"), -1);
}

// A size narrowed to the 32 bits of a length field or a platform call is checked, never cut.
TEST(Int32Size, TakesUpTo2147483647BytesAndRefusesMore) {
    EXPECT_EQ(rtl::Int32Size(0), 0);
    EXPECT_EQ(rtl::Int32Size(2147483647u), 2147483647);
    for (uint64_t size : {uint64_t{2147483648u}, uint64_t{4294967296u} + 5}) {
        try {
            rtl::Int32Size(size);
            ADD_FAILURE() << size << " taken";
        } catch (const rtl::EWriteError& e) {
            EXPECT_EQ(e.Message(), std::to_string(size) + " bytes do not fit a 32-bit size, which holds at most 2147483647");
        }
    }
}
