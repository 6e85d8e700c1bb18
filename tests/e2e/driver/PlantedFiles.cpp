#include "tests/e2e/driver/PlantedFiles.h"

#include <windows.h>

#include <stdexcept>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/e2e/driver/InstallerProcess.h"
#include "tests/e2e/driver/Wait.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace e2e {
namespace {

using fixture::Hive;

struct Planted {
    const char* name;
    const char* from;  // a fixture beside the driver; null: the batch text below
    // Reached by the probe. Wine hands a batch started by bare name to cmd.exe by that bare name,
    // which cmd looks for in the current folder only: a planted batch cannot be reached there.
    bool probed;
};
const Planted PlantedTable[] = {
    {"cmd.exe", "planted_program.exe", true}, {"notepad.exe", "planted_program.exe", true},
    {"rebuild.bat", nullptr, false},          {"uxtheme.dll", "planted.dll", true},
    {"version.dll", "planted.dll", true},
};
constexpr char PlantedBatch[] = "@echo planted> \"%~f0.marker\"\r\n";
constexpr char MarkerSuffix[] = ".marker";

constexpr char WineAppDefaults[] = "Software\\Wine\\AppDefaults\\";
// The programs that Wine is told to prefer a planted DLL for. Wine's own user32, unlike Windows',
// imports version.dll: a native version.dll beside any window program would be loaded before its
// entry point, where nothing the program does can refuse it. So install.exe is told for uxtheme
// only, the probe for both DLLs.
struct NativeFirst {
    const char* program;
    const char* dll;
};
const NativeFirst NativeFirstTable[] = {
    {"install.exe", "uxtheme"}, {"planted_probe.exe", "uxtheme"}, {"planted_probe.exe", "version"}};
constexpr const char* ProgramsTold[] = {"install.exe", "planted_probe.exe"};

std::string AppDefaults(const std::string& program) { return WineAppDefaults + program; }

void Copy(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from + " to " + to);
}

}  // namespace

PlantedFiles::PlantedFiles(const std::string& folder, bool windowsXp)
    : folder_(folder), installer_(folder + "\\install.exe") {
    test::MakeFolders(folder_);
    Copy(BesideDriver("install.exe"), installer_);
    for (const Planted& p : PlantedTable) {
        const std::string to = folder_ + "\\" + p.name;
        if (p.from)
            Copy(BesideDriver(p.from), to);
        else
            test::WriteWholeFile(to, PlantedBatch);
    }
    for (const NativeFirst& n : NativeFirstTable)
        fixture::SetString(Hive::CurrentUser, AppDefaults(n.program) + "\\DllOverrides", n.dll, "native,builtin");
    if (windowsXp) fixture::SetString(Hive::CurrentUser, AppDefaults("install.exe"), "Version", "winxp");
}

PlantedFiles::~PlantedFiles() {
    for (const char* program : ProgramsTold) fixture::DeleteTree(Hive::CurrentUser, AppDefaults(program), "Software");
}

std::vector<std::string> PlantedFiles::Names() {
    std::vector<std::string> names;
    for (const Planted& p : PlantedTable) names.push_back(p.name);
    return names;
}

std::vector<std::string> PlantedFiles::Reached(const std::string& folder) {
    std::vector<std::string> reached;
    for (const std::string& name : Names())
        if (test::FileExists(folder + "\\" + name + MarkerSuffix)) reached.push_back(name);
    return reached;
}

void PlantedFiles::ProveTheyAreReached() const {
    const std::string probe = folder_ + "\\planted_probe.exe";
    Copy(BesideDriver("planted_probe.exe"), probe);
    const test::ChildResult run = test::RunChild("\"" + probe + "\"");
    if (run.exitCode != 0) throw std::runtime_error("the probe failed " + std::to_string(run.exitCode) + " starts or loads");
    std::vector<std::string> probed;
    for (const Planted& p : PlantedTable)
        if (p.probed) probed.push_back(p.name);
    if (!Within(DefaultLimitMs, [&] { return Reached(folder_) == probed; })) {
        std::string reached;
        for (const std::string& name : Reached(folder_)) reached += " " + name;
        throw std::runtime_error("the probe reached only:" + reached);
    }
    for (const std::string& name : Names()) DeleteFileA((folder_ + "\\" + name + MarkerSuffix).c_str());
    DeleteFileA(probe.c_str());
}

}  // namespace e2e
