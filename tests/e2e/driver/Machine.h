#pragma once
// The user's machine as the scenarios need it: fake IDEs laid out below a base folder and
// registered with working fake tools, no earlier installation of the suite, and the help engine
// stand-in in winhlp32's place. What an installation leaves outside the base folder (product
// records, the run-time package in the system folder, the uninstaller and its entry in Programs
// and Features) is removed before and after.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fixtures/fakeide/FakeIde.h"

namespace e2e {

// Host table rows.
inline constexpr int Delphi4 = 0;
inline constexpr int Delphi5 = 1;
inline constexpr int Delphi6 = 2;
inline constexpr int CBuilder6 = 5;

class Machine {
public:
    // The IDEs of neverStarted (among hosts) have no per-user settings yet.
    explicit Machine(const std::string& baseFolder, const std::vector<int>& hosts = {Delphi5, Delphi6, CBuilder6},
                     const std::vector<int>& neverStarted = {});
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    const fixture::FakeIde& Ide(int host) const { return *ides_.at(host); }
    // The platform's system folder, where the run-time package goes.
    static std::string SystemFolder();
    // Leaves the IDEs and whatever gets installed in place for the user (the demo).
    void KeepForUser() { keep_ = true; }

private:
    std::map<int, std::unique_ptr<fixture::FakeIde>> ides_;
    bool keep_ = false;
};

}  // namespace e2e
