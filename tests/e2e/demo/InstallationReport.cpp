#include "tests/e2e/demo/InstallationReport.h"

#include <windows.h>

#include <map>

#include "fixtures/fakeide/FakeRegistry.h"
#include "hosts/HostTable.h"
#include "tests/e2e/driver/DiskFiles.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/ProgramsAndFeatures.h"
#include "tests/support/TempDir.h"

namespace e2e_demo {
namespace {

using fixture::Hive;

std::string FolderOf(const std::string& name) { return name.substr(0, name.find_last_of('\\') + 1); }
std::string FileName(const std::string& name) { return name.substr(name.find_last_of('\\') + 1); }

void Files(std::ostream& out, const std::string& folder) {
    const std::vector<e2e::DiskFile> files = e2e::FilesBelow(folder);
    out << "Files below " << folder << ": " << files.size() << ", by folder (read-only and hidden ones marked):\n";
    std::map<std::string, std::string> byFolder;
    std::map<std::string, int> counts;
    for (const e2e::DiskFile& f : files) {
        std::string& line = byFolder[FolderOf(f.name)];
        line += (line.empty() ? "" : ", ") + FileName(f.name);
        if (f.attributes & FILE_ATTRIBUTE_READONLY) line += " (read-only)";
        if (f.attributes & FILE_ATTRIBUTE_HIDDEN) line += " (hidden)";
        ++counts[FolderOf(f.name)];
    }
    for (const auto& [name, line] : byFolder) out << "  " << name << " (" << counts[name] << "): " << line << "\n";
    if (!files.empty())
        out << "  time stamps as packed, for example " << files.front().name.substr(1) << " "
            << e2e::DosTimeText(files.front().dosTime) << "\n";
}

void Key(std::ostream& out, const char* root, Hive hive, const std::string& key) {
    out << "  " << root << "\\" << key << "\n";
    for (const auto& [name, data] : fixture::Values(hive, key)) out << "    " << (name.empty() ? "(default)" : name) << " = " << data << "\n";
}

int IncludeLines(const std::string& contentsFile, const std::string& line) {
    const std::string text = test::FileExists(contentsFile) ? test::ReadWholeFile(contentsFile) : "";
    int count = 0;
    for (size_t at = 0; (at = text.find(line + "\r\n", at)) != std::string::npos; at += line.size()) ++count;
    return count;
}

}  // namespace

void ReportInstallation(std::ostream& out, int host, const fixture::FakeIde& ide) {
    const hosts::HostInfo& row = hosts::HostTable[host];
    const std::string product = fixture::ProductKey(host);
    const std::string folder = fixture::GetString(Hive::LocalMachine, product, "Path");
    if (!fixture::KeyExists(Hive::LocalMachine, product)) {
        out << row.HostName << ": nothing installed.\n";
        return;
    }
    out << row.HostName << " (IDE in " << ide.RootDir() << "), installed into " << folder << "\n";
    Files(out, folder);

    out << "Registry:\n";
    Key(out, "HKCU", Hive::CurrentUser, ide.LibraryKey());
    Key(out, "HKCU", Hive::CurrentUser, ide.KnownPackagesKey());
    Key(out, "HKLM", Hive::LocalMachine, product);

    const std::string suite = row.SuiteHelpName;
    const std::string include = ":Include " + suite + ".cnt";
    out << "Help: " << suite << ".hlp " << (test::FileExists(ide.HelpFolder() + "\\" + suite + ".hlp") ? "and" : "missing,")
        << " " << suite << ".cnt " << (test::FileExists(ide.HelpFolder() + "\\" + suite + ".cnt") ? "in " : "missing from ")
        << ide.HelpFolder() << "; " << row.HostHelpContents << " has \"" << include << "\" "
        << IncludeLines(ide.HelpContentsFile(), include) << " time(s)\n";

    const std::string runtime = e2e::Machine::SystemFolder() + "\\" + row.RtmPackageBinary;
    const std::string designTime = folder + "\\Lib\\" + row.DtmPackageBinary;
    out << "Compilation (" << ide.ToolRuns().size() << " runs of the IDE's tools): ";
    if (test::FileExists(runtime) && test::FileExists(designTime))
        out << "done; " << runtime << " and " << designTime << "\n";
    else
        out << "failed; instructions in " << folder << "\\error.log\n";

    const std::string name = "Korvane 4.3 for " + std::string(row.HostName);
    for (const e2e::ProgramEntry& entry : e2e::EntriesNamed(name))
        out << "Programs and Features: \"" << name << "\", removed by " << entry.Text("UninstallString") << "\n";
}

}  // namespace e2e_demo
