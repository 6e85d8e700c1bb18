// Whole installations on Windows of other code pages, one row in each Wine prefix started in the
// row's locale: folder names whose last byte is a backslash's in Shift-JIS, letters that the
// console's code page spells with other bytes than the ANSI one, and a percent sign, which cmd.exe
// expands in a batch line. On the same machine kvpack packs and extracts a payload with such names.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/e2e/PackedFiles.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/DiskFiles.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/KeyboardInstallation.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {

using fixture::Hive;
using namespace e2e;

struct CodePageRow {
    const char* name;  // the row's prefix runs it by this name
    UINT ansi, oem;    // the code pages of that prefix's locale
    const wchar_t* ideRoot;  // null: the fake machine's own below a temporary folder
    const wchar_t* installFolder;
    const wchar_t* payloadName;  // a stored name in the row's letters
};

// 表 is 95 5C and 能 94 5C in Shift-JIS.
const CodePageRow Rows[] = {
    {"ja_JP", 932, 932, L"C:\\Borland\\表", L"C:\\Komponenten\\機能", L"\\common\\表\\能.pas"},
    {"ru_RU", 1251, 866, L"C:\\Борланд\\Delphi6", L"C:\\Компоненты\\d6", L"\\common\\Компоненты\\Ядро.pas"},
    {"de_DE", 1252, 850, nullptr, L"C:\\Komponenten\\Größe", L"\\common\\Größe\\Maß.pas"},
    {"Percent", 1252, 437, nullptr, L"C:\\Kv 100% & (x)\\d6", L"\\common\\Kv 100%\\a & (b).pas"},
};

std::string Ansi(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, s.data(), n, nullptr, nullptr);
    s.resize(s.size() - 1);
    return s;
}

// The folder below the drive root that holds the path ("C:\Borland" for "C:\Borland\表"),
// removed before and after the installation with everything in it.
class TopFolder {
public:
    explicit TopFolder(const std::wstring& path) : path_(Ansi(path.substr(0, path.find(L'\\', 3)).c_str())) {
        test::RemoveTree(path_);
    }
    ~TopFolder() { test::RemoveTree(path_); }
    TopFolder(const TopFolder&) = delete;
    TopFolder& operator=(const TopFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

test::ChildResult Kvpack(const std::vector<std::string>& args) {
    std::string line = "\"" + test::ExecutableFolder() + "kvpack.exe\"";
    for (const std::string& a : args) line += " \"" + a + "\"";
    return test::RunChild(line);
}

class CodePages : public testing::TestWithParam<CodePageRow> {};

TEST_P(CodePages, InstallAndPackUnderTheMachinesOwnNames) {
    const CodePageRow& row = GetParam();
    ASSERT_EQ(GetACP(), row.ansi) << "the prefix's locale";
    ASSERT_EQ(GetOEMCP(), row.oem) << "the prefix's locale";
    const std::string folder = Ansi(row.installFolder);
    test::TempDir temp;
    TopFolder installTop(row.installFolder);
    Machine machine(temp.Path(), row.ideRoot ? std::vector<int>{} : std::vector<int>{Delphi6});
    std::unique_ptr<TopFolder> rootTop;
    std::unique_ptr<fixture::FakeIde> ownIde;
    if (row.ideRoot) {
        rootTop = std::make_unique<TopFolder>(row.ideRoot);
        ownIde = std::make_unique<fixture::FakeIde>(Delphi6, fixture::FakeIde::Root{Ansi(row.ideRoot)});
    }
    const fixture::FakeIde& ide = row.ideRoot ? *ownIde : machine.Ide(Delphi6);
    const std::string searchPath = fixture::GetString(Hive::CurrentUser, ide.LibraryKey(), "Search Path");

    InstallerProcess installer;
    WizardWindow wizard(installer);
    const InstallationSeen seen = InstallByKeyboard(installer, wizard, {1, folder});
    ClickCloseBox(wizard.Form());
    EXPECT_EQ(installer.ExitCode(), 0u);
    // Notepad would keep the prefix's desktop, and with it the test's output, open after the test.
    if (seen.progress.at("Component compilation") != BST_CHECKED) e2e_test::CloseInstructionsInNotepad();

    EXPECT_EQ(seen.hostPathField, ide.RootDir());
    EXPECT_EQ(seen.beforeInstallText, "Korvane components will be installed to \"" + folder +
                                          "\" folder.\r\rPress <Next> button to start installation ...");
    EXPECT_EQ(seen.progress, (std::map<std::string, int>{{"Korvane components installation", BST_CHECKED},
                                                          {"Additional files installation", BST_CHECKED},
                                                          {"Help installation", BST_CHECKED},
                                                          {"Component registration", BST_CHECKED},
                                                          {"Component compilation", BST_CHECKED}}));

    // Every file below exactly that folder: none in a sibling whose name took a lone lead byte.
    EXPECT_EQ(test::EntryNames(installTop.Path()), std::vector<std::string>{folder.substr(installTop.Path().size() + 1)});
    EXPECT_EQ(e2e_test::ExpectExtracted("common", folder), e2e_test::CommonFileCount);
    EXPECT_EQ(e2e_test::ExpectExtracted("d6", folder, "\\Help\\"), e2e_test::D6FileCount - e2e_test::D6HelpFileCount);
    const std::string leaf = folder.substr(installTop.Path().size());
    std::vector<std::string> names, expected = {leaf + "\\rebuild.bat", leaf + "\\Lib\\dclkv40d6.bpl"};
    for (const DiskFile& f : FilesBelow(installTop.Path())) names.push_back(f.name);
    for (const char* tag : {"common", "d6"})
        for (const DiskFile& f : FilesBelow(e2e_test::Packed(tag)))
            if (f.name.rfind("\\Help\\", 0) != 0) expected.push_back(leaf + f.name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(test::FileExists(ide.HelpFolder() + "\\kvd6.hlp"));

    // The IDE finds the suite there, the product record names it, and the IDE's tools built both
    // packages from it.
    EXPECT_EQ(fixture::GetString(Hive::CurrentUser, ide.LibraryKey(), "Search Path"), searchPath + ";" + folder + "\\Lib");
    EXPECT_EQ(fixture::GetString(Hive::LocalMachine, fixture::ProductKey(Delphi6), "Path"), folder);
    EXPECT_EQ(ide.ToolRuns(), (std::vector<std::string>{"dcc32\t" + folder + "\\Lib\tkv40d6.dpk",
                                                        "dcc32\t" + folder + "\\Lib\tdclkv40d6.dpk"}));
    EXPECT_TRUE(test::FileExists(Machine::SystemFolder() + "\\kv40d6.bpl"));

    // Packed on this machine and extracted on it, the name comes back exactly; kvpack says which
    // code page it was read in.
    const std::wstring wideName = row.payloadName;
    const std::string name = Ansi(row.payloadName), data = temp.Path() + "\\Data", out = temp.Path() + "\\Out";
    test::MakeFolders(data + Ansi(wideName.substr(0, wideName.rfind(L'\\')).c_str()));
    test::WriteWholeFile(data + name, "unit x;");
    test::WriteWholeFile(temp.Path() + "\\license.txt", "Licence");
    const test::ChildResult packed = Kvpack({"pack", data, temp.Path() + "\\license.txt", temp.Path() + "\\data.res"});
    EXPECT_EQ(packed.exitCode, 0u) << packed.err;
    const bool beyondAscii = std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; });
    std::string warnings = packed.err;
    warnings.erase(std::remove(warnings.begin(), warnings.end(), '\r'), warnings.end());
    EXPECT_EQ(warnings, beyondAscii ? "warning: " + name + ": a name beyond ASCII, read in code page " +
                                            std::to_string(row.ansi) + "; it installs under this name only on " +
                                            "Windows whose ANSI code page is that one\n"
                                      : "");
    const test::ChildResult extracted = Kvpack({"extract", temp.Path() + "\\data.res", "common", out});
    EXPECT_EQ(extracted.exitCode, 0u) << extracted.err;
    EXPECT_EQ(test::ReadWholeFile(out + name.substr(std::string("\\common").size())), "unit x;");
    EXPECT_EQ(test::EntryNames(out).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Locales, CodePages, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<CodePageRow>& info) { return std::string(info.param.name); });

}  // namespace
