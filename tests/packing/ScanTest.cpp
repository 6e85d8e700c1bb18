// Reading a Data folder tree into the file collection: order, names, attributes, time stamps,
// contents, and the faults that stop it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "platform/Seam.h"
#include "rtl/Exceptions.h"
#include "tests/packing/PackingFixture.h"
#include "tests/payload/AllocationProbe.h"

using packing_test::DataTree;
using payload::TFileCollection;
using payload::TFileHolder;

namespace {

std::vector<std::string> Names(const TFileCollection& files) {
    std::vector<std::string> names;
    for (int i = 0; i < files.Count(); ++i) names.push_back(files.Item(i).Name);
    return names;
}

size_t IndexOf(const std::vector<std::string>& names, const std::string& name) {
    auto it = std::find(names.begin(), names.end(), name);
    EXPECT_NE(it, names.end()) << name << " not packed";
    return static_cast<size_t>(it - names.begin());
}

const TFileHolder& ItemNamed(const TFileCollection& files, const std::string& name) {
    for (int i = 0; i < files.Count(); ++i)
        if (files.Item(i).Name == name) return files.Item(i);
    throw std::runtime_error(name + " not packed");
}

void Scan(TFileCollection& files, const std::string& root) {
    files.RootFolder = root;
    files.ScanRootFolder();
}

}  // namespace

TEST(ScanRootFolder, WalksBreadthFirstWithNamesAsFoundOnDisk) {
    DataTree tree;
    tree.Add("\\readme.txt", "top");
    tree.Add("\\common\\Sources\\Deep\\KvDeep.pas", "deep");
    tree.Add("\\common\\Sources\\KvButton.pas", "unit KvButton;");
    tree.Add("\\common\\ReadMe.TXT", "common");
    tree.Add("\\d5\\Lib\\KvButton.dcu", std::string("\x01\x00\x02", 3));
    tree.Add("\\d5\\notes.txt", "d5");

    TFileCollection files;
    Scan(files, tree.Root());
    const std::vector<std::string> names = Names(files);
    ASSERT_EQ(names.size(), 6u);

    // Files of the root, then level one, then level two and so on; siblings in listing order.
    EXPECT_EQ(names[0], "\\readme.txt");
    const size_t commonTop = IndexOf(names, "\\common\\ReadMe.TXT");
    const size_t d5Top = IndexOf(names, "\\d5\\notes.txt");
    const size_t sources = IndexOf(names, "\\common\\Sources\\KvButton.pas");
    const size_t lib = IndexOf(names, "\\d5\\Lib\\KvButton.dcu");
    const size_t deep = IndexOf(names, "\\common\\Sources\\Deep\\KvDeep.pas");
    EXPECT_LT(std::max(commonTop, d5Top), std::min(sources, lib));
    EXPECT_LT(std::max(sources, lib), deep);

    const TFileHolder& dcu = ItemNamed(files, "\\d5\\Lib\\KvButton.dcu");
    EXPECT_EQ(dcu.Size, 3);
    EXPECT_EQ(dcu.Content, (std::vector<uint8_t>{1, 0, 2}));
}

TEST(ScanRootFolder, ReplacesEarlierItemsAndIgnoresAMissingRoot) {
    DataTree tree;
    tree.Add("\\common\\a.txt", "a");
    TFileCollection files;
    Scan(files, tree.Root());
    Scan(files, tree.Root());
    EXPECT_EQ(Names(files), std::vector<std::string>{"\\common\\a.txt"});

    Scan(files, tree.Root() + "\\NoSuchData");
    EXPECT_EQ(files.Count(), 0);
}

TEST(ScanRootFolder, PacksEmptyHiddenSystemAndReadOnlyFilesButNoEmptyFolders) {
    DataTree tree;
    tree.Add("\\common\\empty.inc", "");
    tree.Add("\\common\\hidden.txt", "h");
    tree.Add("\\common\\system.txt", "s");
    tree.Add("\\common\\readonly.txt", "r");
    tree.AddFolder("\\common\\Empty\\Deeper");
    tree.AddFolder("\\vcl5");
    tree.Stamp("\\common\\empty.inc");
    using namespace platform;
    ASSERT_TRUE(Files().setAttributes(tree.Path("\\common\\hidden.txt"), attr::Hidden | attr::Archive));
    ASSERT_TRUE(Files().setAttributes(tree.Path("\\common\\system.txt"), attr::System));
    ASSERT_TRUE(Files().setAttributes(tree.Path("\\common\\readonly.txt"), attr::ReadOnly));

    TFileCollection files;
    Scan(files, tree.Root());
    ASSERT_EQ(files.Count(), 4);

    const TFileHolder& empty = ItemNamed(files, "\\common\\empty.inc");
    EXPECT_EQ(empty.Size, 0);
    EXPECT_TRUE(empty.Content.empty());
    EXPECT_EQ(empty.Age, packing_test::SampleAge);

    // Attributes are taken exactly as the platform reports them.
    for (const char* name : {"\\common\\hidden.txt", "\\common\\system.txt", "\\common\\readonly.txt"})
        EXPECT_EQ(static_cast<uint32_t>(ItemNamed(files, name).Attr), test::Attributes(tree.Path(name))) << name;
    EXPECT_NE(ItemNamed(files, "\\common\\readonly.txt").Attr & attr::ReadOnly, 0);
}

TEST(ReadFromDisk, AFileHeldOpenByAnotherHandleCannotBeOpened) {
    DataTree tree;
    tree.Add("\\common\\a.txt", "a");
    tree.Add("\\common\\b.txt", "b");
    using namespace platform;
    FileHandle holder(Files().createFile(tree.Path("\\common\\b.txt"), access::Read, share::None,
                                         disposition::OpenExisting, attr::Normal));
    ASSERT_TRUE(holder.Valid());

    TFileCollection files;
    files.RootFolder = tree.Root();
    try {
        files.ScanRootFolder();
        FAIL() << "a locked file was packed";
    } catch (const rtl::EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + tree.Path("\\common\\b.txt"));
    }
}

TEST(ReadFromDisk, AShortReadIsAStreamReadError) {
    DataTree tree;
    tree.Add("\\common\\shrinking.txt", "0123456789");
    using platform::Files;
    // The file "gets shorter while it is read": the read delivers fewer bytes than its length.
    auto& read = Files().readFile;
    platform::ScopedOverride shortRead(read, decltype(Files().readFile)(nullptr));
    read = [&shortRead](platform::Handle h, void* buffer, uint32_t count, uint32_t* done) {
        return shortRead.Original()(h, buffer, count / 2, done);
    };
    TFileHolder item(nullptr);
    try {
        item.ReadFromDisk(tree.Root(), "\\common\\shrinking.txt");
        FAIL();
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(ReadFromDisk, FilesOf2GiBOrMoreAreRefusedByName) {
    DataTree tree;
    tree.Add("\\common\\huge.bin", "x");
    using platform::Files;
    // Creating a real 2 GiB file is too slow for a test; the seek to the end reports that length.
    // Exactly 2 GiB, and a length whose low 32 bits alone would look small. (2 GiB less one byte
    // passes the check and is then allocated whole, which a test cannot afford.)
    for (int64_t length : {int64_t{1} << 31, (int64_t{1} << 32) + 1}) {
        auto& seek = Files().seek;
        platform::ScopedOverride huge(seek, decltype(Files().seek)(nullptr));
        seek = [&huge, length](platform::Handle h, int64_t distance, platform::SeekOrigin origin) -> int64_t {
            if (origin == platform::SeekOrigin::End) return length;
            return huge.Original()(h, distance, origin);
        };
        TFileHolder item(nullptr);
        try {
            item.ReadFromDisk(tree.Root(), "\\common\\huge.bin");
            ADD_FAILURE() << length << " bytes packed";
        } catch (const rtl::EReadError& e) {
            EXPECT_EQ(e.Message(), "Cannot pack file " + tree.Path("\\common\\huge.bin") +
                                       ": files of 2 GB or more do not fit the payload");
        }
    }
}

// Each file under 2 GB, but together more than one payload holds: the file that would not fit is
// refused before its content is read, and with it the scan. The seek to the end of the second
// file reports its length, as in the test above.
TEST(ScanRootFolder, ATreeLargerThanOnePayloadIsRefusedByTheFileThatWouldNotFit) {
    DataTree tree;
    tree.Add("\\first.txt", std::string(1000, 'a'));  // the root's files come first
    tree.Add("\\common\\second.bin", "x");
    using platform::Files;
    auto& seek = Files().seek;
    int ends = 0;
    platform::ScopedOverride large(seek, decltype(Files().seek)(nullptr));
    seek = [&large, &ends](platform::Handle h, int64_t distance, platform::SeekOrigin origin) -> int64_t {
        if (origin == platform::SeekOrigin::End && ++ends == 2) return 2147483000;
        return large.Original()(h, distance, origin);
    };
    TFileCollection files;
    try {
        Scan(files, tree.Root());
        ADD_FAILURE() << "packed";
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "Cannot pack file " + tree.Path("\\common\\second.bin") +
                                   ": with its 2147483000 bytes the payload would pass 2147483647 bytes, the "
                                   "most that one payload holds");
    }
    EXPECT_EQ(ends, 2);
}

// Memory that runs out while the tree is read: the file whose content does not fit is named, with
// the limit, instead of a bare std::bad_alloc.
TEST(ScanRootFolder, MemoryThatRunsOutIsReportedByTheFileThatWouldNotFit) {
    DataTree tree;
    tree.Add("\\first.txt", std::string(1000, 'a'));
    tree.Add("\\common\\large.bin", std::string(300000, 'b'));
    TFileCollection files;
    try {
        test::AllocationLimit memory(200000);
        Scan(files, tree.Root());
        ADD_FAILURE() << "packed";
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "Cannot pack file " + tree.Path("\\common\\large.bin") +
                                   ": out of memory for its 300000 bytes with 1000 bytes of the payload held; "
                                   "packing holds the whole payload in memory, which a 32-bit program has at "
                                   "most 2 GB of (the 32-bit kvpack 4 GB on 64-bit Windows)");
    }
}

TEST(ReadFromDisk, AnUnreadableTimeOrAttributeSetIsStoredAsMinusOne) {
    DataTree tree;
    tree.Add("\\common\\a.txt", "abc");
    tree.Stamp("\\common\\a.txt");
    const int32_t attributes = static_cast<int32_t>(test::Attributes(tree.Path("\\common\\a.txt")));
    using platform::Files;
    {
        platform::ScopedOverride noTime(Files().getLastWriteDosTime, decltype(Files().getLastWriteDosTime)(
                                            [](platform::Handle, uint32_t*) { return false; }));
        TFileHolder item(nullptr);
        item.ReadFromDisk(tree.Root(), "\\common\\a.txt");
        EXPECT_EQ(item.Age, -1);
        EXPECT_EQ(item.Attr, attributes);
        EXPECT_EQ(item.Size, 3);
    }
    {
        platform::ScopedOverride noAttributes(Files().getAttributes, decltype(Files().getAttributes)(
                                                  [](const std::string&) { return platform::attr::Invalid; }));
        TFileHolder item(nullptr);
        item.ReadFromDisk(tree.Root(), "\\common\\a.txt");
        EXPECT_EQ(item.Attr, -1);
        EXPECT_EQ(item.Age, packing_test::SampleAge);
        EXPECT_EQ(item.Size, 3);
    }
}

TEST(ReadFromDisk, AFailingSeekIsAStreamReadError) {
    DataTree tree;
    tree.Add("\\common\\a.txt", "0123456789");
    using platform::Files;
    // To the end for the length, or back to the start for the content.
    for (platform::SeekOrigin failing : {platform::SeekOrigin::End, platform::SeekOrigin::Begin}) {
        platform::ScopedOverride seek(Files().seek, decltype(Files().seek)(nullptr));
        Files().seek = [&seek, failing](platform::Handle h, int64_t distance, platform::SeekOrigin origin) -> int64_t {
            return origin == failing ? -1 : seek.Original()(h, distance, origin);
        };
        TFileHolder item(nullptr);
        try {
            item.ReadFromDisk(tree.Root(), "\\common\\a.txt");
            ADD_FAILURE() << "read despite a failing seek from origin " << static_cast<int>(failing);
        } catch (const rtl::EReadError& e) {
            EXPECT_EQ(e.Message(), "Stream read error");
        }
    }
}

TEST(ScanRootFolder, PassesOverAVolumeLabelEntry) {
    DataTree tree;
    tree.Add("\\common\\a.txt", "a");
    using platform::Files;
    // Listings on a local folder carry no label; one is added at the end of the first listing.
    bool labelled = false;
    platform::ScopedOverride next(Files().findNext, decltype(Files().findNext)(nullptr));
    Files().findNext = [&](platform::Handle h, platform::FindData* found) {
        if (next.Original()(h, found)) return true;
        if (labelled) return false;
        labelled = true;
        *found = {"KORVANE", platform::attr::VolumeLabel};
        return true;
    };
    TFileCollection files;
    Scan(files, tree.Root());
    EXPECT_TRUE(labelled);
    EXPECT_EQ(Names(files), std::vector<std::string>{"\\common\\a.txt"});
}

TEST(ScanRootFolder, ClosesEveryListingAlsoWhenAFileFails) {
    DataTree tree;
    tree.Add("\\common\\Sources\\a.pas", "a");
    tree.Add("\\d5\\b.dcu", "b");
    using platform::Files;
    int opened = 0, closed = 0;
    platform::ScopedOverride first(Files().findFirst, decltype(Files().findFirst)(nullptr));
    Files().findFirst = [&](const std::string& pattern, platform::FindData* found) {
        platform::Handle h = first.Original()(pattern, found);
        if (h != platform::InvalidHandle) ++opened;
        return h;
    };
    platform::ScopedOverride close(Files().findClose, decltype(Files().findClose)(nullptr));
    Files().findClose = [&](platform::Handle h) {
        ++closed;
        return close.Original()(h);
    };
    // Every file open fails: the scan stops at the first file it meets.
    platform::ScopedOverride denied(Files().createFile, decltype(Files().createFile)(
        [](const std::string&, uint32_t, uint32_t, uint32_t, uint32_t) { return platform::InvalidHandle; }));

    TFileCollection files;
    files.RootFolder = tree.Root();
    EXPECT_THROW(files.ScanRootFolder(), rtl::EFOpenError);
    EXPECT_GT(opened, 0);
    EXPECT_EQ(closed, opened);
}
