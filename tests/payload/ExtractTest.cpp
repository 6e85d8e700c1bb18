// Folder tags and extraction of the payload's files onto the real file system under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "tests/payload/StreamBytes.h"
#include "tests/support/FileTimes.h"
#include "tests/support/TempDir.h"

using payload::TFileCollection;
using payload::TInstallerData;

namespace {

constexpr int32_t kMarch2002 = 745366348;  // 13 March 2002, 12:26:24 local time: test::March2002()

std::string ContentOf(const payload::TFileHolder& item) { return std::string(item.Content.begin(), item.Content.end()); }

class Extraction : public ::testing::Test {
protected:
    Extraction() : data(nullptr), root(dir.Path() + "\\Korvane") { data.Files().RootFolder = root; }
    TFileCollection& files() { return data.Files(); }

    test::TempDir dir;
    TInstallerData data;
    std::string root;
};

}  // namespace

TEST(FolderTag, BelongsOnlyRightAfterTheFirstBackslashWithoutRegardToCase) {
    TInstallerData data(nullptr);
    test::AddFile(data.Files(), "\\D5\\Lib\\x.dcu", 1);
    EXPECT_TRUE(data.Files().HasFolder("d5"));
    EXPECT_TRUE(data.Files().HasFolder("D5"));
    EXPECT_FALSE(data.Files().HasFolder("d6"));
    EXPECT_FALSE(data.Files().HasFolder("Lib"));
    EXPECT_FALSE(data.Files().HasFolder(""));

    TInstallerData others(nullptr);
    test::AddFile(others.Files(), "\\d5x\\a.txt", 1);
    test::AddFile(others.Files(), "\\common\\d5\\a.txt", 1);
    test::AddFile(others.Files(), "\\readme.txt", 1);
    test::AddFile(others.Files(), "d5\\a.txt", 1);
    EXPECT_FALSE(others.Files().HasFolder("d5"));
    EXPECT_FALSE(others.Files().HasFolder("readme.txt"));
    EXPECT_TRUE(others.Files().HasFolder("common"));
}

TEST_F(Extraction, WritesContentTimeStampAndAttributesBelowTheRoot) {
    test::AddFile(files(), "\\common\\Sources\\Kv.pas", 4143, kMarch2002, 32);
    test::AddFile(files(), "\\common\\ReadOnly.txt", 10, kMarch2002, 1 | 32);
    test::AddFile(files(), "\\common\\Hidden.txt", 2, kMarch2002, 2);
    test::AddFile(files(), "\\common\\Empty.txt", 0, kMarch2002, 32);
    test::AddFile(files(), "\\d5\\NotThisTag.txt", 4);
    files().ExtractFolder("common");

    EXPECT_EQ(test::ReadWholeFile(root + "\\Sources\\Kv.pas"), ContentOf(files().Item(0)));
    EXPECT_EQ(test::LastWriteTime(root + "\\Sources\\Kv.pas"), test::March2002());
    EXPECT_EQ(test::Attributes(root + "\\Sources\\Kv.pas"), 32u);
    EXPECT_EQ(test::Attributes(root + "\\ReadOnly.txt"), 33u);
    EXPECT_EQ(test::LastWriteTime(root + "\\ReadOnly.txt"), test::March2002());
    EXPECT_EQ(test::Attributes(root + "\\Hidden.txt") & 2u, 2u);
    EXPECT_EQ(test::ReadWholeFile(root + "\\Empty.txt"), "");
    EXPECT_EQ(test::LastWriteTime(root + "\\Empty.txt"), test::March2002());
    EXPECT_FALSE(test::FileExists(root + "\\NotThisTag.txt"));
}

TEST_F(Extraction, UnknownAgeKeepsTheTimeOfWriting) {
    test::AddFile(files(), "\\common\\now.txt", 3, -1, 32);
    // File systems keep coarser stamps than the clock gives: two seconds either side.
    constexpr test::FileTime TwoSeconds = 2 * 10'000'000;
    const test::FileTime before = test::Now() - TwoSeconds;
    files().ExtractFolder("common");
    const test::FileTime after = test::Now() + TwoSeconds;
    const test::FileTime written = test::LastWriteTime(root + "\\now.txt");
    EXPECT_GE(written, before);  // not in 2002, at the DOS epoch or at the 0xFFFF date
    EXPECT_LE(written, after);
}

TEST_F(Extraction, TagMatchesWithoutCaseAndTheDestinationKeepsTheStoredCase) {
    test::AddFile(files(), "\\D5\\Lib\\X.dcu", 5);
    test::AddFile(files(), "\\d5x\\a.txt", 1);
    test::AddFile(files(), "\\common\\d5\\b.txt", 1);
    test::AddFile(files(), "\\readme.txt", 1);
    std::vector<std::string> destinations;
    files().OnExtractFile = [&](TFileCollection& sender, const std::string& destination, bool& skip) {
        EXPECT_EQ(&sender, &files());
        EXPECT_FALSE(skip);
        destinations.push_back(destination);
    };
    files().ExtractFolder("d5");
    EXPECT_EQ(destinations, std::vector<std::string>{root + "\\Lib\\X.dcu"});
    EXPECT_EQ(test::ReadWholeFile(root + "\\Lib\\X.dcu"), ContentOf(files().Item(0)));
    EXPECT_FALSE(test::FileExists(root + "\\a.txt"));
    EXPECT_FALSE(test::FileExists(root + "\\b.txt"));
}

TEST_F(Extraction, EmptyTagOrTagWithoutFilesWritesNothing) {
    test::AddFile(files(), "\\common\\a.txt", 1);
    int calls = 0;
    files().OnExtractFile = [&](TFileCollection&, const std::string&, bool&) { ++calls; };
    files().ExtractFolder("");
    files().ExtractFolder("c6");
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(test::Attributes(root), platform::attr::Invalid);
}

TEST_F(Extraction, SkippedFileAndItsFolderAreNotCreated) {
    test::AddFile(files(), "\\common\\first.txt", 1);
    test::AddFile(files(), "\\common\\Skipped\\second.txt", 2);
    test::AddFile(files(), "\\common\\third.txt", 3);
    files().OnExtractFile = [&](TFileCollection&, const std::string& destination, bool& skip) {
        skip = destination.find("Skipped") != std::string::npos;
    };
    files().ExtractFolder("common");
    EXPECT_TRUE(test::FileExists(root + "\\first.txt"));
    EXPECT_EQ(test::Attributes(root + "\\Skipped"), platform::attr::Invalid);
    EXPECT_TRUE(test::FileExists(root + "\\third.txt"));
}

TEST_F(Extraction, LaterWriteToTheSameDestinationWins) {
    test::AddFile(files(), "\\common\\same.txt", 3);
    payload::TFileHolder& later = test::AddFile(files(), "\\vcl5\\same.txt", 6);
    later.Content = std::vector<uint8_t>{'l', 'a', 't', 'e', 'r', '!'};
    files().ExtractFolder("common");
    files().ExtractFolder("vcl5");
    EXPECT_EQ(test::ReadWholeFile(root + "\\same.txt"), "later!");
}

TEST_F(Extraction, NamesLeadingOutOfTheRootAreRefusedBeforeAnythingIsWritten) {
    const char* const hostile[] = {
        "\\common\\..\\..\\Windows\\x.dll", "\\common\\a\\\\b",      "\\common\\C:\\x",
        "\\common\\sub\\..\\..\\x",        "\\common\\..",          "\\common\\",
        "\\common\\../../x",               "\\common\\.. \\x",      "\\common\\...\\x",
        "\\common\\a\\.\\b",               "\\common\\NUL",         "\\common\\com1.txt",
        "\\common\\file.txt:stream",       "\\common\\a\\",
    };
    for (const char* name : hostile) {
        SCOPED_TRACE(name);
        TInstallerData payload(nullptr);
        payload.Files().RootFolder = root;
        test::AddFile(payload.Files(), "\\common\\good.txt", 4);
        test::AddFile(payload.Files(), name, 4);
        test::AddFile(payload.Files(), "\\d5\\fine.txt", 4);
        int calls = 0;
        payload.Files().OnExtractFile = [&](TFileCollection&, const std::string&, bool&) { ++calls; };
        try {
            payload.Files().ExtractFolder("common");
            FAIL() << "extracted";
        } catch (const rtl::EWriteError& e) {
            EXPECT_EQ(e.Message(), std::string("Invalid file name in payload: ") + name);
        }
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(test::Attributes(root), platform::attr::Invalid);
        EXPECT_FALSE(test::FileExists(dir.Path() + "\\x"));
        // Another tag's files are not held back by it.
        EXPECT_NO_THROW(payload.Files().ExtractFolder("d5"));
        EXPECT_TRUE(test::FileExists(root + "\\fine.txt"));
        test::RemoveTree(root);
    }
}

// Runs where the file server keeps Windows' rule: a read-only file is neither deleted nor opened
// for writing (tools/wine-windows-rule.sh).
TEST_F(Extraction, ProtectedDestinationIsReplacedUnlessInUseOrAFolder) {
    struct Case {
        const char* name;
        uint32_t attributes;  // of the file already there
        bool heldOpen;        // by another program, shared with nobody
        bool folder;          // a folder stands where the file goes
        bool replaced;
    };
    const Case cases[] = {
        {"read-only", platform::attr::ReadOnly | platform::attr::Archive, false, false, true},
        {"hidden", platform::attr::Hidden | platform::attr::Archive, false, false, true},
        {"system", platform::attr::System, false, false, true},
        {"all three", platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System, false, false, true},
        {"read-only and in use", platform::attr::ReadOnly | platform::attr::Archive, true, false, false},
        {"a folder", platform::attr::Directory, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TInstallerData payload(nullptr);
        payload.Files().RootFolder = root;
        test::AddFile(payload.Files(), "\\common\\1.txt", 1);
        test::AddFile(payload.Files(), "\\common\\there.txt", 4, kMarch2002, 1 | 32);
        test::AddFile(payload.Files(), "\\common\\3.txt", 3);
        const std::string there = root + "\\there.txt";
        test::MakeFolders(root);
        if (c.folder) {
            test::MakeFolders(there);
        } else {
            test::WriteWholeFile(there, "old");
            ASSERT_TRUE(platform::Files().setAttributes(there, c.attributes));
        }
        {
            platform::FileHandle holder;
            if (c.heldOpen)
                holder = platform::FileHandle(platform::Files().createFile(
                    there, platform::access::Read, platform::share::None, platform::disposition::OpenExisting,
                    platform::attr::Normal));
            ASSERT_EQ(holder.Valid(), c.heldOpen);
            if (c.replaced) {
                EXPECT_NO_THROW(payload.Files().ExtractFolder("common"));
            } else {
                try {
                    payload.Files().ExtractFolder("common");
                    ADD_FAILURE() << "no error";
                } catch (const rtl::EFCreateError& e) {
                    EXPECT_EQ(e.Message(), "Cannot create file " + there);
                }
            }
        }
        EXPECT_TRUE(test::FileExists(root + "\\1.txt"));
        EXPECT_EQ(test::FileExists(root + "\\3.txt"), c.replaced);
        if (c.replaced) {
            EXPECT_EQ(test::ReadWholeFile(there), ContentOf(payload.Files().Item(1)));
            EXPECT_EQ(test::Attributes(there), 33u);
            EXPECT_EQ(test::LastWriteTime(there), test::March2002());
        } else if (!c.folder) {
            // What could not be replaced keeps its content and its attributes.
            EXPECT_EQ(test::ReadWholeFile(there), "old");
            EXPECT_EQ(test::Attributes(there), c.attributes);
        }
        test::RemoveTree(root);
    }
}

TEST_F(Extraction, FolderBlockedByAFileMakesTheFileUncreatable) {
    test::AddFile(files(), "\\common\\Lib\\x.dcu", 1);
    test::MakeFolders(root);
    test::WriteWholeFile(root + "\\Lib", "a file where the folder should be");
    try {
        files().ExtractFolder("common");
        FAIL();
    } catch (const rtl::EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + root + "\\Lib\\x.dcu");
    }
}

TEST_F(Extraction, ShortWriteIsAStreamWriteErrorAndTheFileIsClosed) {
    test::AddFile(files(), "\\common\\big.bin", 5000);
    auto& api = platform::Files();
    auto create = api.createFile;
    auto write = api.writeFile;
    auto close = api.closeHandle;
    platform::Handle created = platform::InvalidHandle;
    bool closed = false;
    platform::ScopedOverride recordCreate(
        api.createFile, decltype(create)([&](const std::string& p, uint32_t a, uint32_t s, uint32_t d, uint32_t f) {
            return created = create(p, a, s, d, f);
        }));
    platform::ScopedOverride volumeFull(
        api.writeFile, decltype(write)([&](platform::Handle h, const void* b, uint32_t n, uint32_t* done) {
            return write(h, b, n - 1, done);
        }));
    platform::ScopedOverride recordClose(api.closeHandle, decltype(close)([&](platform::Handle h) {
                                             if (h == created) closed = true;
                                             return close(h);
                                         }));
    try {
        files().ExtractFolder("common");
        FAIL();
    } catch (const rtl::EWriteError& e) {
        EXPECT_EQ(e.Message(), "Stream write error");
    }
    EXPECT_TRUE(closed);
}

TEST_F(Extraction, ExistingFileIsReplacedWithTheStoredOne) {
    test::AddFile(files(), "\\common\\a.txt", 2);
    test::MakeFolders(root);
    test::WriteWholeFile(root + "\\a.txt", "a much longer previous content");
    files().ExtractFolder("COMMON");
    EXPECT_EQ(test::ReadWholeFile(root + "\\a.txt"), ContentOf(files().Item(0)));
}

TEST_F(Extraction, TheNewContentIsWrittenBesideUnderANameNoFileHolds) {
    // A payload may carry a file of the name the new content would take beside a.txt.
    test::AddFile(files(), "\\common\\a.txt.kvnew", 4);
    test::AddFile(files(), "\\common\\a.txt", 2);
    files().ExtractFolder("common");
    EXPECT_EQ(test::ReadWholeFile(root + "\\a.txt.kvnew"), ContentOf(files().Item(0)));
    EXPECT_EQ(test::ReadWholeFile(root + "\\a.txt"), ContentOf(files().Item(1)));
    EXPECT_FALSE(test::FileExists(root + "\\a.txt.kvnew2"));
}

TEST_F(Extraction, AttributesAreSetOnceTheFileIsInPlace) {
    // Set by path after creation, always: not every file system keeps those given at creation.
    const int32_t cases[] = {32, 33, 34, 36, 39, 0, 1, 128, 0x2020, -1};
    for (size_t i = 0; i < std::size(cases); ++i)
        test::AddFile(files(), "\\common\\f" + std::to_string(i) + ".txt", 3, kMarch2002, cases[i]);
    auto& api = platform::Files();
    auto set = api.setAttributes;
    std::vector<std::string> setPaths;
    {
        platform::ScopedOverride record(api.setAttributes, decltype(set)([&](const std::string& p, uint32_t a) {
                                            setPaths.push_back(p);
                                            return set(p, a);
                                        }));
        files().ExtractFolder("common");
    }
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i]);
        const std::string name = "\\f" + std::to_string(i) + ".txt";
        const std::string reference = dir.Path() + name;
        test::WriteWholeFile(reference, "abc");
        set(reference, static_cast<uint32_t>(cases[i]));
        EXPECT_EQ(test::Attributes(root + name), test::Attributes(reference));
        EXPECT_EQ(test::LastWriteTime(root + name), test::March2002());
        EXPECT_EQ(std::count(setPaths.begin(), setPaths.end(), root + name), 1);
    }
}

TEST_F(Extraction, EachFolderIsAskedAboutAndCreatedOncePerExtraction) {
    for (const char* name : {"\\common\\A\\B\\1.txt", "\\common\\A\\B\\2.txt", "\\common\\A\\3.txt",
                             "\\common\\A\\C\\4.txt", "\\common\\5.txt"})
        test::AddFile(files(), name, 1);
    auto& api = platform::Files();
    auto get = api.getAttributes;
    auto create = api.createDirectory;
    std::map<std::string, int> asked, created;
    platform::ScopedOverride countAsked(api.getAttributes, decltype(get)([&](const std::string& p) {
                                            ++asked[p];
                                            return get(p);
                                        }));
    platform::ScopedOverride countCreated(api.createDirectory, decltype(create)([&](const std::string& p) {
                                              ++created[p];
                                              return create(p);
                                          }));
    files().ExtractFolder("common");
    // No path twice, and each folder on the way, up to the first that exists, once.
    for (const auto& [path, count] : asked) EXPECT_EQ(count, 1) << path;
    for (const std::string& folder : {dir.Path(), root, root + "\\A", root + "\\A\\B", root + "\\A\\C"})
        EXPECT_EQ(asked[folder], 1) << folder;
    const std::map<std::string, int> once = {{root, 1}, {root + "\\A", 1}, {root + "\\A\\B", 1}, {root + "\\A\\C", 1}};
    EXPECT_EQ(created, once);
    EXPECT_TRUE(test::FileExists(root + "\\A\\C\\4.txt"));
}

TEST_F(Extraction, DestinationOpenElsewhereStopsTheExtractionThere) {
    test::AddFile(files(), "\\common\\busy.txt", 2);
    test::AddFile(files(), "\\common\\after.txt", 2);
    test::MakeFolders(root);
    const std::string busy = root + "\\busy.txt";
    test::WriteWholeFile(busy, "old");
    {
        platform::FileHandle holder(platform::Files().createFile(busy, platform::access::Read, platform::share::None,
                                                                 platform::disposition::OpenExisting,
                                                                 platform::attr::Normal));
        ASSERT_TRUE(holder.Valid());
        try {
            files().ExtractFolder("common");
            FAIL();
        } catch (const rtl::EFCreateError& e) {
            EXPECT_EQ(e.Message(), "Cannot create file " + busy);
        }
    }
    EXPECT_EQ(test::ReadWholeFile(busy), "old");
    EXPECT_FALSE(test::FileExists(root + "\\after.txt"));
}
