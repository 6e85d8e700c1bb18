// Alt+P on "Welcome": the packing command of a copy of install.exe, checked against its folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/DiskFiles.h"
#include "tests/e2e/driver/Input.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;
using namespace e2e_test;

// kvpack list: "AGE ATTR SIZE NAME" per file (AGE in hexadecimal), then "license: N lines".
std::vector<DiskFile> Listed(const std::string& listing, std::string& licenceLine) {
    std::vector<DiskFile> files;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("license:", 0) == 0) {
            licenceLine = line;
            continue;
        }
        std::istringstream fields(line);
        DiskFile f;
        fields >> std::hex >> f.dosTime >> std::dec >> f.attributes >> f.size;
        std::getline(fields >> std::ws, f.name);
        files.push_back(f);
    }
    std::sort(files.begin(), files.end(), [](const DiskFile& a, const DiskFile& b) { return a.name < b.name; });
    return files;
}

TEST(Pack, AltPOnWelcomeWritesDataResFromTheDataFolderAndLicenceBesideTheProgram) {
    test::TempDir build;
    const std::string program = build.Path() + "\\install.exe";
    ASSERT_TRUE(CopyFileA(BesideDriver("install.exe").c_str(), program.c_str(), FALSE));
    const std::string data = build.Path() + "\\Data";
    test::MakeFolders(data + "\\common\\Sources");
    test::MakeFolders(data + "\\d6\\Lib");
    test::WriteWholeFile(data + "\\common\\readme.txt", "Korvane\r\n");
    test::WriteWholeFile(data + "\\common\\Sources\\KvDefs.inc", "{$DEFINE KV}\r\n");
    test::WriteWholeFile(data + "\\d6\\Lib\\KvReg.dcu", std::string(3000, '\x7f'));
    test::WriteWholeFile(data + "\\d6\\Lib\\empty.txt", "");
    test::WriteWholeFile(data + "\\loose.txt", "in no folder tag");
    SetFileAttributesA((data + "\\common\\Sources\\KvDefs.inc").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((data + "\\d6\\Lib\\empty.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    test::WriteWholeFile(build.Path() + "\\license.txt", "Licence\r\n\r\nLast line");

    InstallerProcess installer(program);
    WizardWindow wizard(installer);
    wizard.WaitForPage("Welcome");
    PressAlt(wizard.Form(), 'P');
    MessageBoxWindow notice =
        ExpectBox(installer, "Korvane installer/uninstaller", "Packing done... Don't forget rebuild program!!", OkOnly);
    PressKey(notice.Box(), VK_RETURN);
    notice.WaitUntilClosed();

    const test::ChildResult listing =
        test::RunChild("\"" + BesideDriver("kvpack.exe") + "\" list \"" + build.Path() + "\\data.res\"");
    ASSERT_EQ(listing.exitCode, 0u) << listing.err;
    std::string licenceLine;
    EXPECT_EQ(Listed(listing.out, licenceLine), FilesBelow(data));
    EXPECT_EQ(licenceLine, "license: 3 lines");
    EXPECT_EQ(wizard.Page(), "Welcome");
    ExitWithYes(installer, wizard);
}

}  // namespace
