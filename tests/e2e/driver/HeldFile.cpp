#include "tests/e2e/driver/HeldFile.h"

#include <stdexcept>

#include "fixtures/fileholder/FileHolder.h"
#include "tests/e2e/driver/InstallerProcess.h"
#include "tests/e2e/driver/Wait.h"

namespace e2e {

HeldFile::HeldFile(const std::string& path) : holder_(BesideDriver("fake_fileholder.exe"), "\"" + path + "\"") {
    WaitUntil([&] { return !holder_.Windows(fixture::FileHolderClassName).empty() || !holder_.Running(); },
              "the file holder to open " + path);
    if (!holder_.Running()) throw std::runtime_error("the file holder could not open " + path);
}

HeldFile::~HeldFile() { holder_.Close(fixture::FileHolderClassName, DefaultLimitMs); }

}  // namespace e2e
