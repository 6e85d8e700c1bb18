#include "tests/packing/PackingFixture.h"

#include <stdexcept>

#include "platform/Files.h"

namespace packing_test {

void DataTree::Add(const std::string& relativeName, const std::string& content) {
    test::MakeFolders(Path(relativeName.substr(0, relativeName.find_last_of('\\'))));
    test::WriteWholeFile(Path(relativeName), content);
}

void DataTree::AddFolder(const std::string& relativeName) { test::MakeFolders(Path(relativeName)); }

void DataTree::SetAge(const std::string& relativeName, int32_t dosTime) {
    using namespace platform;
    FileHandle file(Files().createFile(Path(relativeName), access::Read | access::Write, share::None,
                                       disposition::OpenExisting, attr::Normal));
    if (!file.Valid() || !Files().setLastWriteDosTime(file.Get(), static_cast<uint32_t>(dosTime)))
        throw std::runtime_error("cannot set the time of " + relativeName);
}

}  // namespace packing_test
