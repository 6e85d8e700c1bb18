// kvpack as a real process: pack, list and extract end to end, their errors, the payload that
// the build bound into install.exe, and bind and build with their refusals.
#include <windows.h>
#include <imagehlp.h>

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"
#include "tests/packing/PackingFixture.h"
#include "tests/support/ChildProcess.h"

using packing_test::DataTree;

namespace {

// Quoted for the command line; a backslash before the closing quote must be doubled, or it
// would escape the quote.
std::string Quote(const std::string& s) {
    const size_t trailing = s.size() - (s.find_last_not_of('\\') + 1);
    return "\"" + s + std::string(trailing, '\\') + "\"";
}

test::ChildResult Kvpack(const std::vector<std::string>& args) {
    std::string line = Quote(test::ExecutableFolder() + "kvpack.exe");
    for (const std::string& a : args) line += " " + Quote(a);
    return test::RunChild(line);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct Listed {
    uint32_t age;
    int32_t attr, size;
};

// Parses `AGE ATTR SIZE NAME` lines; the last line is the licence line count.
std::map<std::string, Listed> ParseListing(const std::vector<std::string>& lines) {
    static const std::regex line("([0-9A-F]{8}) (-?[0-9]+) ([0-9]+) (\\\\.*)");
    std::map<std::string, Listed> files;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        std::smatch m;
        EXPECT_TRUE(std::regex_match(lines[i], m, line)) << lines[i];
        if (m.empty()) continue;
        files[m[4]] = {static_cast<uint32_t>(std::stoul(m[1], nullptr, 16)), std::stoi(m[2]), std::stoi(m[3])};
    }
    return files;
}

DataTree& SampleTree(DataTree& tree) {
    tree.Add("\\license.txt", "First line\r\n\r\nThird line");
    tree.Add("\\Data\\readme.txt", "top level");
    tree.Add("\\Data\\common\\Sources\\KvButton.pas", "unit KvButton;\r\n");
    tree.Add("\\Data\\common\\empty.inc", "");
    tree.Add("\\Data\\D5\\Lib\\KvButton.dcu", std::string("\x4B\x56\x00\x35", 4));
    tree.Add("\\Data\\D5\\Lib\\kv40d5.dpk", "package kv40d5;");
    tree.Stamp("\\Data\\common\\Sources\\KvButton.pas");
    return tree;
}

}  // namespace

TEST(KvpackTool, PacksListsAndExtractsAFolderTree) {
    DataTree tree;
    SampleTree(tree);
    platform::Files().setAttributes(tree.Path("\\Data\\D5\\Lib\\kv40d5.dpk"), platform::attr::ReadOnly);
    // A trailing backslash on the Data folder is dropped, as the packing command's root has none.
    const test::ChildResult packed =
        Kvpack({"pack", tree.Path("\\Data\\"), tree.Path("\\license.txt"), tree.Path("\\data.res")});
    ASSERT_EQ(packed.exitCode, 0u) << packed.err;
    EXPECT_TRUE(test::FileExists(tree.Path("\\data.res")));

    const test::ChildResult listed = Kvpack({"list", tree.Path("\\data.res")});
    ASSERT_EQ(listed.exitCode, 0u) << listed.err;
    const std::vector<std::string> lines = Lines(listed.out);
    ASSERT_EQ(lines.size(), 6u) << listed.out;
    EXPECT_EQ(lines[0].substr(lines[0].find(" \\")), " \\readme.txt");
    EXPECT_EQ(lines.back(), "license: 3 lines");
    const auto files = ParseListing(lines);
    ASSERT_EQ(files.size(), 5u);
    EXPECT_EQ(files.at("\\common\\Sources\\KvButton.pas").age, 0x2C6D634Cu);
    EXPECT_EQ(files.at("\\common\\Sources\\KvButton.pas").size, 16);
    EXPECT_EQ(files.at("\\common\\empty.inc").size, 0);
    EXPECT_NE(files.at("\\D5\\Lib\\kv40d5.dpk").attr & 1, 0);
    EXPECT_EQ(files.count("\\D5\\Lib\\KvButton.dcu"), 1u);

    // The tag "d5" takes the stored \D5\ folder; the stored case below the tag is kept.
    const std::string dest = tree.Path("\\Install\\d5");
    const test::ChildResult extracted = Kvpack({"extract", tree.Path("\\data.res"), "d5", dest});
    ASSERT_EQ(extracted.exitCode, 0u) << extracted.err;
    EXPECT_EQ(test::ReadWholeFile(dest + "\\Lib\\KvButton.dcu"), std::string("\x4B\x56\x00\x35", 4));
    EXPECT_EQ(test::ReadWholeFile(dest + "\\Lib\\kv40d5.dpk"), "package kv40d5;");
    EXPECT_NE(test::Attributes(dest + "\\Lib\\kv40d5.dpk") & 1, 0u);
    EXPECT_FALSE(test::FileExists(dest + "\\Sources\\KvButton.pas"));
    EXPECT_FALSE(test::FileExists(dest + "\\readme.txt"));
}

TEST(KvpackTool, ReportsErrorsOnStandardErrorWithExitCode1) {
    DataTree tree;
    SampleTree(tree);

    const test::ChildResult usage = Kvpack({});
    EXPECT_EQ(usage.exitCode, 1u);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
    EXPECT_EQ(Kvpack({"list"}).exitCode, 1u);
    EXPECT_EQ(Kvpack({"unpack", "x"}).exitCode, 1u);

    const test::ChildResult noLicense =
        Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\nolicense.txt"), tree.Path("\\data.res")});
    EXPECT_EQ(noLicense.exitCode, 1u);
    EXPECT_EQ(Lines(noLicense.err), std::vector<std::string>{"Cannot open file " + tree.Path("\\nolicense.txt")});
    EXPECT_FALSE(test::FileExists(tree.Path("\\data.res")));

    const test::ChildResult notPayload = Kvpack({"list", tree.Path("\\license.txt")});
    EXPECT_EQ(notPayload.exitCode, 1u);
    EXPECT_NE(notPayload.err.find("license.txt"), std::string::npos) << notPayload.err;
}

// The payload keeps names and licence lines as the packing machine's ANSI code page (1252 in the
// test prefix) spells them: pack and build say so for each on standard error, and succeed.
TEST(KvpackTool, WarnsOfNamesAndLicenceLinesBeyondAsciiAndStillSucceeds) {
    DataTree tree;
    SampleTree(tree);
    const test::ChildResult plain = Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data.res")});
    EXPECT_EQ(plain.exitCode, 0u);
    EXPECT_EQ(plain.err, "") << "ASCII alone";

    tree.Add("\\Data\\common\\Sources\\Gr\xF6\xDF" "e.pas", "unit Groesse;");
    tree.Add("\\license-de.txt", "Lizenz\r\n\xA9 Maltrow Software\r\nEnde");
    const std::vector<std::string> warnings = {
        "warning: \\common\\Sources\\Gr\xF6\xDF" "e.pas: a name beyond ASCII, read in code page 1252; it installs "
        "under this name only on Windows whose ANSI code page is that one",
        "warning: " + tree.Path("\\license-de.txt") + " line 2: text beyond ASCII, read in code page 1252; it shows as "
        "written only on Windows whose ANSI code page is that one"};
    const test::ChildResult packed =
        Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\license-de.txt"), tree.Path("\\data.res")});
    EXPECT_EQ(packed.exitCode, 0u);
    EXPECT_EQ(Lines(packed.err), warnings);
    const test::ChildResult built = Kvpack(
        {"build", tree.Path("\\Data"), tree.Path("\\license-de.txt"), test::ExecutableFolder() + "install.exe", tree.Path("\\k.exe")});
    EXPECT_EQ(built.exitCode, 0u);
    EXPECT_EQ(Lines(built.err), warnings);
}

TEST(KvpackTool, AFileOpenElsewhereStopsPackingAndLeavesTheOldResource) {
    DataTree tree;
    SampleTree(tree);
    ASSERT_EQ(Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data.res")}).exitCode, 0u);
    const std::string before = test::ReadWholeFile(tree.Path("\\data.res"));

    tree.Add("\\Data\\common\\new.txt", "changed input");
    using namespace platform;
    FileHandle holder(Files().createFile(tree.Path("\\Data\\common\\new.txt"), access::Read | access::Write,
                                         share::None, disposition::OpenExisting, attr::Normal));
    ASSERT_TRUE(holder.Valid());
    const test::ChildResult locked =
        Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data.res")});
    EXPECT_EQ(locked.exitCode, 1u);
    EXPECT_EQ(Lines(locked.err), std::vector<std::string>{"Cannot open file " + tree.Path("\\Data\\common\\new.txt")});
    EXPECT_EQ(test::ReadWholeFile(tree.Path("\\data.res")), before);
}

// The build's own payload: install.exe carries the bare stream of data.res, and it holds the sample.
TEST(InstallExe, CarriesThePackedSampleAsItsInstallDataResource) {
    const std::string build = test::ExecutableFolder();
    const std::string res = test::ReadWholeFile(build + "data.res");
    platform::MappedBytes mapped;
    ASSERT_TRUE(platform::Resources().readFileRcData(build + "install.exe", "INSTALL_DATA", &mapped));
    const std::string resource(reinterpret_cast<const char*>(mapped.data.get()), mapped.size);
    ASSERT_GT(res.size(), 22u);
    EXPECT_EQ(resource.substr(0, 4), "TPF0");
    EXPECT_EQ(resource, res.substr(22));

    const test::ChildResult fromExe = Kvpack({"list", build + "install.exe"});
    ASSERT_EQ(fromExe.exitCode, 0u) << fromExe.err;
    EXPECT_EQ(fromExe.out, Kvpack({"list", build + "data.res"}).out);
    const std::vector<std::string> lines = Lines(fromExe.out);
    const auto files = ParseListing(lines);
    EXPECT_EQ(lines.back(), "license: " + std::to_string(KV_SAMPLE_LICENSE_LINES) + " lines");
    EXPECT_EQ(files.size(), static_cast<size_t>(KV_SAMPLE_FILE_COUNT));

    if (!KV_PAYLOAD_IS_SAMPLE) GTEST_SKIP() << "install.exe was packed from another Data folder";
    // The sample's particular files: the help file stored in capitals, the empty include file and
    // the one that the staging copy made read-only.
    EXPECT_EQ(files.count("\\d6\\Help\\KVD6.HLP"), 1u);
    EXPECT_EQ(files.count("\\d5\\Lib\\kv40d5.dpk") + files.count("\\d6\\Lib\\dclkv40d6.dpk"), 2u);
    ASSERT_EQ(files.count("\\common\\Sources\\KvUser.inc"), 1u);
    EXPECT_EQ(files.at("\\common\\Sources\\KvUser.inc").size, 0);
    ASSERT_EQ(files.count("\\common\\Sources\\KvDefs.inc"), 1u);
    EXPECT_NE(files.at("\\common\\Sources\\KvDefs.inc").attr & 1, 0);
}

// ---- bind and build: a built install.exe with another payload ----

namespace {

// "type/name/language" -> bytes, read through the loader as the installer's own lookups are.
using ResourceMap = std::map<std::string, std::string>;

std::string Id(LPCSTR id) { return IS_INTRESOURCE(id) ? "#" + std::to_string(reinterpret_cast<uintptr_t>(id)) : id; }

BOOL CALLBACK AddLanguage(HMODULE m, LPCSTR type, LPCSTR name, WORD lang, LONG_PTR map) {
    HRSRC info = FindResourceExA(m, type, name, lang);
    const char* data = static_cast<const char*>(LockResource(LoadResource(m, info)));
    (*reinterpret_cast<ResourceMap*>(map))[Id(type) + "/" + Id(name) + "/" + std::to_string(lang)] =
        std::string(data, SizeofResource(m, info));
    return TRUE;
}
BOOL CALLBACK AddName(HMODULE m, LPCSTR type, LPSTR name, LONG_PTR map) {
    return EnumResourceLanguagesA(m, type, name, AddLanguage, map);
}
BOOL CALLBACK AddType(HMODULE m, LPSTR type, LONG_PTR map) { return EnumResourceNamesA(m, type, AddName, map); }

ResourceMap ResourcesOf(const std::string& file) {
    ResourceMap map;
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_NE(module, nullptr) << file;
    if (!module) return map;
    EnumResourceTypesA(module, AddType, reinterpret_cast<LONG_PTR>(&map));
    FreeLibrary(module);
    return map;
}

std::string PayloadOf(const ResourceMap& map) {
    std::string found;
    int count = 0;
    for (const auto& [key, bytes] : map) {
        if (key.rfind("#10/INSTALL_DATA/", 0) == 0) {
            found = bytes;
            ++count;
        }
    }
    EXPECT_EQ(count, 1);
    return found;
}

ResourceMap WithoutPayload(ResourceMap map) {
    for (auto it = map.begin(); it != map.end();) it = it->first.rfind("#10/INSTALL_DATA/", 0) == 0 ? map.erase(it) : ++it;
    return map;
}

const IMAGE_NT_HEADERS* Headers(const std::string& image) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
}

// Sections where Wine can map them: each at a page boundary in the file as in memory.
bool PageAligned(const std::string& image) {
    const IMAGE_NT_HEADERS* nt = Headers(image);
    if (nt->OptionalHeader.FileAlignment != 4096) return false;
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (section->SizeOfRawData != 0 && section->PointerToRawData % 4096 != 0) return false;
    return true;
}

std::string InstallExe() { return test::ExecutableFolder() + "install.exe"; }

// A bare payload stream with one empty file stored under name, as a hand-made payload may hold.
std::string StreamNaming(const DataTree& tree, const std::string& name, const std::string& file) {
    payload::TInstallerData data(nullptr);
    data.Files().Add().Name = name;
    rtl::TMemoryStream stream;
    rtl::WriteComponentStream(stream, data);
    const std::vector<uint8_t>& bytes = stream.Bytes();
    test::WriteWholeFile(tree.Path(file), std::string(bytes.begin(), bytes.end()));
    return tree.Path(file);
}

}  // namespace

TEST(KvpackBind, GivesABuiltInstallerAnotherPayloadAndKeepsEveryOtherResource) {
    DataTree tree;
    SampleTree(tree);
    ASSERT_EQ(Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data.res")}).exitCode, 0u);
    const std::string res = test::ReadWholeFile(tree.Path("\\data.res"));
    const std::string templateBytes = test::ReadWholeFile(InstallExe());

    const test::ChildResult bound = Kvpack({"bind", InstallExe(), tree.Path("\\data.res"), tree.Path("\\a.exe")});
    ASSERT_EQ(bound.exitCode, 0u) << bound.err;
    EXPECT_EQ(Lines(bound.out), std::vector<std::string>{tree.Path("\\a.exe") + ": 5 files, license: 3 lines"});
    EXPECT_EQ(test::ReadWholeFile(InstallExe()), templateBytes);
    EXPECT_FALSE(test::FileExists(tree.Path("\\a.exe.kvnew")));

    const ResourceMap before = ResourcesOf(InstallExe()), after = ResourcesOf(tree.Path("\\a.exe"));
    EXPECT_EQ(PayloadOf(after), res.substr(22));  // the stream without the resource file's 22-byte header
    EXPECT_EQ(WithoutPayload(after), WithoutPayload(before));
    EXPECT_GE(WithoutPayload(before).size(), 4u);  // window descriptions, icon, version record at least
    const std::string image = test::ReadWholeFile(tree.Path("\\a.exe"));
    EXPECT_TRUE(PageAligned(templateBytes));
    EXPECT_TRUE(PageAligned(image));
    DWORD stored = 0, computed = 0;
    ASSERT_EQ(MapFileAndCheckSumA(tree.Path("\\a.exe").c_str(), &stored, &computed), CHECKSUM_SUCCESS);
    EXPECT_EQ(stored, computed);
    EXPECT_EQ(Kvpack({"list", tree.Path("\\a.exe")}).out, Kvpack({"list", tree.Path("\\data.res")}).out);

    // The same payload gives the same bytes: bound again, from the bare stream, packed and bound in one step.
    ASSERT_EQ(Kvpack({"stream", tree.Path("\\data.res"), tree.Path("\\data.bin")}).exitCode, 0u);
    ASSERT_EQ(Kvpack({"bind", InstallExe(), tree.Path("\\data.bin"), tree.Path("\\b.exe")}).exitCode, 0u);
    const test::ChildResult built =
        Kvpack({"build", tree.Path("\\Data"), tree.Path("\\license.txt"), InstallExe(), tree.Path("\\c.exe")});
    ASSERT_EQ(built.exitCode, 0u) << built.err;
    EXPECT_EQ(Lines(built.out), std::vector<std::string>{tree.Path("\\c.exe") + ": 5 files, license: 3 lines"});
    EXPECT_TRUE(test::ReadWholeFile(tree.Path("\\b.exe")) == image);
    EXPECT_TRUE(test::ReadWholeFile(tree.Path("\\c.exe")) == image);

    // A bound installer is a template too: its payload is replaced in turn.
    ASSERT_EQ(Kvpack({"bind", tree.Path("\\a.exe"), InstallExe(), tree.Path("\\d.exe")}).exitCode, 0u);
    EXPECT_EQ(ResourcesOf(tree.Path("\\d.exe")), before);
}

TEST(KvpackBind, RefusesWhatWouldNotMakeAnInstallerAndLeavesTheOutputAlone) {
    DataTree tree;
    SampleTree(tree);
    ASSERT_EQ(Kvpack({"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data.res")}).exitCode, 0u);
    const std::string res = tree.Path("\\data.res"), out = tree.Path("\\out.exe");
    const std::string kvpackExe = test::ExecutableFolder() + "kvpack.exe";

    // A program with a payload but without the wizard's window descriptions.
    const std::string noForms = tree.Path("\\noforms.exe");
    test::WriteWholeFile(noForms, test::ReadWholeFile(kvpackExe));
    HANDLE update = BeginUpdateResourceA(noForms.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    char stream[] = "TPF0";
    ASSERT_TRUE(UpdateResourceA(update, RT_RCDATA, "INSTALL_DATA", 0, stream, 4));
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
    // A signed installer: its certificate table entry names a signature after the sections.
    const std::string signedExe = tree.Path("\\signed.exe");
    std::string image = test::ReadWholeFile(InstallExe());
    auto* nt = const_cast<IMAGE_NT_HEADERS*>(Headers(image));
    nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_SECURITY] = {static_cast<DWORD>(image.size()), 8};
    image += std::string("\x08\x00\x00\x00\x00\x02\x02\x00", 8);
    test::WriteWholeFile(signedExe, image);
    // A file that Windows takes for a serial port (COM and a superscript one), where the file system has it.
    tree.Add("\\BadData\\common\\COM\xB9.txt", "");
    // A file of 2 GiB, more than a payload's 32-bit sizes hold, made without writing it: its end
    // is moved there, which leaves a sparse file on the Unix side.
    tree.Add("\\HugeData\\common\\huge.bin", "");
    {
        HANDLE huge = CreateFileA(tree.Path("\\HugeData\\common\\huge.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(huge, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end;
        end.QuadPart = int64_t{1} << 31;
        EXPECT_TRUE(SetFilePointerEx(huge, end, nullptr, FILE_BEGIN) && SetEndOfFile(huge));
        CloseHandle(huge);
    }
    const std::string tooLarge =
        "Cannot pack file " + tree.Path("\\HugeData\\common\\huge.bin") + ": files of 2 GB or more do not fit the payload";
    const std::string readOnlyOut = tree.Path("\\readonly.exe");
    test::WriteWholeFile(readOnlyOut, "old installer");
    platform::Files().setAttributes(readOnlyOut, platform::attr::ReadOnly);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"bind", kvpackExe, res, out}, kvpackExe + " is not a Korvane installer"},
        {{"bind", noForms, res, out}, noForms + " is not a Korvane installer"},
        {{"bind", tree.Path("\\license.txt"), res, out}, tree.Path("\\license.txt") + " is not a Korvane installer"},
        {{"bind", tree.Path("\\missing.exe"), res, out}, "Cannot open file " + tree.Path("\\missing.exe")},
        {{"bind", signedExe, res, out}, signedExe + " is signed: bind an unsigned build of install.exe, then sign the result"},
        {{"bind", InstallExe(), tree.Path("\\license.txt"), out}, "Invalid stream format"},
        {{"bind", InstallExe(), res, readOnlyOut}, "Cannot create file " + readOnlyOut},
        {{"bind", InstallExe(), res, tree.Path("\\missing\\out.exe")}, "Cannot create file " + tree.Path("\\missing\\out.exe")},
        {{"bind", signedExe, res, signedExe}, signedExe + " is the template, which bind never changes: name another output file"},
        // The same file for Windows: names compare in the user's locale, where \xC9 is the capital of \xE9 (1252).
        {{"bind", tree.Path("\\\xC9t\xE9.exe"), res, tree.Path("\\\xE9t\xE9.exe")},
         tree.Path("\\\xE9t\xE9.exe") + " is the template, which bind never changes: name another output file"},
        {{"build", tree.Path("\\Data"), tree.Path("\\nolicense.txt"), InstallExe(), out},
         "Cannot open file " + tree.Path("\\nolicense.txt")},
        {{"build", tree.Path("\\Data"), tree.Path("\\license.txt"), kvpackExe, out}, kvpackExe + " is not a Korvane installer"},
        // A stored name that the installer would refuse to extract, one row per kind.
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\..\\evil.txt", "\\parent.bin"), out},
         "Invalid file name in payload: \\common\\..\\evil.txt"},
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\. .\\evil.txt", "\\trimmed.bin"), out},
         "Invalid file name in payload: \\common\\. .\\evil.txt"},
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\\\evil.txt", "\\empty.bin"), out},
         "Invalid file name in payload: \\common\\\\evil.txt"},
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\C:evil.txt", "\\colon.bin"), out},
         "Invalid file name in payload: \\common\\C:evil.txt"},
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\Sources/evil.txt", "\\slash.bin"), out},
         "Invalid file name in payload: \\common\\Sources/evil.txt"},
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\aux.pas", "\\device.bin"), out},
         "Invalid file name in payload: \\common\\aux.pas"},
        {{"bind", InstallExe(), StreamNaming(tree, "\\common\\lpt\xB3.txt", "\\superscript.bin"), out},
         "Invalid file name in payload: \\common\\lpt\xB3.txt"},
        // Packed from disk: refused before anything is written, by pack and by build.
        {{"pack", tree.Path("\\BadData"), tree.Path("\\license.txt"), out},
         "Invalid file name in payload: \\common\\COM\xB9.txt"},
        {{"build", tree.Path("\\BadData"), tree.Path("\\license.txt"), InstallExe(), out},
         "Invalid file name in payload: \\common\\COM\xB9.txt"},
        // A tree that one payload cannot hold: refused by the file, its content never read.
        {{"pack", tree.Path("\\HugeData"), tree.Path("\\license.txt"), out}, tooLarge},
        {{"build", tree.Path("\\HugeData"), tree.Path("\\license.txt"), InstallExe(), out}, tooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const std::string signedBefore = test::ReadWholeFile(signedExe);
        const test::ChildResult result = Kvpack(c.args);
        EXPECT_EQ(result.exitCode, 1u);
        EXPECT_EQ(Lines(result.err), std::vector<std::string>{c.message});
        EXPECT_FALSE(test::FileExists(out));
        EXPECT_FALSE(test::FileExists(c.args.back() + ".kvnew"));
        EXPECT_EQ(test::ReadWholeFile(signedExe), signedBefore);
    }
    EXPECT_EQ(test::ReadWholeFile(readOnlyOut), "old installer");
}

#ifdef KV_WIN64_TREE
// The 64-bit build of the same sources (tools/common.sh builds it beside this tree): its kvpack
// packs the bytes that this one packs, and either kvpack binds an installer of either bitness to
// the bytes that the kvpack of the installer's own bitness gives.
TEST(KvpackAcrossBitness, PacksAndBindsTheSameBytesAsTheSameBitness) {
    const std::string kvpack32 = test::ExecutableFolder() + "kvpack.exe", install32 = InstallExe();
    const std::string kvpack64 = std::string(KV_WIN64_TREE) + "\\kvpack.exe";
    const std::string install64 = std::string(KV_WIN64_TREE) + "\\install.exe";
    DataTree tree;
    SampleTree(tree);
    const auto run = [](const std::string& kvpack, const std::vector<std::string>& args) {
        std::string line = Quote(kvpack);
        for (const std::string& a : args) line += " " + Quote(a);
        const test::ChildResult result = test::RunChild(line);
        EXPECT_EQ(result.exitCode, 0u) << line << "\n" << result.err;
    };
    run(kvpack32, {"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data32.res")});
    run(kvpack64, {"pack", tree.Path("\\Data"), tree.Path("\\license.txt"), tree.Path("\\data64.res")});
    const std::string res = test::ReadWholeFile(tree.Path("\\data32.res"));
    EXPECT_GT(res.size(), 22u);
    EXPECT_TRUE(test::ReadWholeFile(tree.Path("\\data64.res")) == res);

    struct Bind {
        const std::string& installer;
        const std::string& sameBitness;
        const std::string& otherBitness;
    };
    for (const Bind& b : {Bind{install32, kvpack32, kvpack64}, Bind{install64, kvpack64, kvpack32}}) {
        SCOPED_TRACE(b.installer);
        run(b.sameBitness, {"bind", b.installer, tree.Path("\\data32.res"), tree.Path("\\same.exe")});
        run(b.otherBitness, {"bind", b.installer, tree.Path("\\data32.res"), tree.Path("\\other.exe")});
        const std::string same = test::ReadWholeFile(tree.Path("\\same.exe"));
        EXPECT_GT(same.size(), test::ReadWholeFile(b.installer).size() / 2);
        EXPECT_TRUE(test::ReadWholeFile(tree.Path("\\other.exe")) == same);
    }
}
#endif
