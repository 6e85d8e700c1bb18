#include "tests/e2e/driver/Machine.h"

#include <windows.h>

#include <algorithm>

#include "fixtures/fakeide/FakeRegistry.h"
#include "fixtures/helpengine/HelpEngine.h"
#include "hosts/HostTable.h"
#include "tests/e2e/driver/ProgramsAndFeatures.h"
#include "tests/e2e/driver/SoftwareKeysDenied.h"

namespace e2e {
namespace {

using fixture::Hive;

// Every trace of IDEs and installations that lies outside the base folder.
void ClearTraces() {
    for (int host = 0; host < hosts::HostCount; ++host) {
        const std::string key = std::string("\\Borland\\") + hosts::HostTable[host].HostRegistryKey;
        fixture::DeleteTree(Hive::LocalMachine, "SOFTWARE" + key, "SOFTWARE");
        fixture::DeleteTree(Hive::CurrentUser, "Software" + key, "Software");
        fixture::RemoveProductRecord(host);
        DeleteFileA((Machine::SystemFolder() + "\\" + hosts::HostTable[host].RtmPackageBinary).c_str());
    }
    fixture::DeleteTree(Hive::LocalMachine, "SOFTWARE\\Maltrow Software Test", "SOFTWARE");
    RemoveKorvaneEntriesAndUninstallers();
}

}  // namespace

Machine::Machine(const std::string& baseFolder, const std::vector<int>& hosts, const std::vector<int>& neverStarted) {
    SoftwareKeysDenied::Allow();
    ClearTraces();
    fixture::HelpEngine::PutInPlace();
    for (int host : hosts) {
        const bool never = std::find(neverStarted.begin(), neverStarted.end(), host) != neverStarted.end();
        ides_[host] = std::make_unique<fixture::FakeIde>(host, baseFolder,
                                                         never ? fixture::Started::Never : fixture::Started::Once);
    }
}

Machine::~Machine() {
    if (keep_) {
        // The IDEs stay registered for the user; the program ends right after.
        for (auto& ide : ides_) ide.second.release();
        return;
    }
    ides_.clear();
    ClearTraces();
}

std::string Machine::SystemFolder() {
    char path[MAX_PATH];
    UINT n = GetSystemDirectoryA(path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

}  // namespace e2e
